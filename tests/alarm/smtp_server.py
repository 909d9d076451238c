"""A mail server for the tests (aiosmtpd from Debian): it listens on a free
loopback port, prints "PORT <n>" on its first line, and writes every message
it accepts as a JSON file (envelope, decoded subject and text, raw headers)
into the folder given, until it is ended.

  /usr/bin/python3 smtp_server.py --dir OUT [--cert C --key K [--tls]]
      [--require-starttls] [--user U --password P] [--reject ADDRESS]
      [--fail-first N]
"""
import argparse
import asyncio
import email
import email.policy
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Ablage:
    def __init__(self, ordner, ablehnen, fehlversuche, tls):
        self.ordner = ordner
        self.tls = tls
        self.ablehnen = ablehnen
        self.fehlversuche = fehlversuche
        self.nummer = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address == self.ablehnen:
            return "550 5.1.1 <%s>: Recipient address rejected: user unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.fehlversuche > 0:
            self.fehlversuche -= 1
            return "451 4.3.0 Temporary failure, try again later"
        self.nummer += 1
        nachricht = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        eintrag = {
            "from": envelope.mail_from,
            "to": envelope.rcpt_tos,
            "subject": str(nachricht["subject"]),
            "text": nachricht.get_content(),
            "headers": {k: str(v) for k, v in nachricht.items()},
            "raw": envelope.original_content.decode("ascii", "replace"),
            "tls": session.ssl is not None or self.tls,
            "auth": session.authenticated,
        }
        pfad = os.path.join(self.ordner, "%04d.json" % self.nummer)
        with open(pfad + ".tmp", "w", encoding="utf-8") as f:
            json.dump(eintrag, f, ensure_ascii=False)
        os.replace(pfad + ".tmp", pfad)
        return "250 Message accepted"


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--dir", required=True)
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--tls", action="store_true", help="TLS from the start (smtps)")
    p.add_argument("--require-starttls", action="store_true")
    p.add_argument("--user")
    p.add_argument("--password")
    p.add_argument("--reject")
    p.add_argument("--fail-first", type=int, default=0)
    a = p.parse_args()

    kontext = None
    if a.cert:
        kontext = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        kontext.load_cert_chain(a.cert, a.key)

    def pruefe(server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and auth_data.login.decode() == a.user \
            and auth_data.password.decode() == a.password
        return AuthResult(success=ok, handled=False)

    ablage = Ablage(a.dir, a.reject, a.fail_first, a.tls)

    def fabrik():
        optionen = {}
        if kontext is not None and not a.tls:
            optionen["tls_context"] = kontext
            optionen["require_starttls"] = a.require_starttls
        if a.user:
            optionen["authenticator"] = pruefe
            # over TLS from the start aiosmtpd does not see the TLS layer itself
            optionen["auth_require_tls"] = kontext is not None and not a.tls
        else:
            optionen["auth_require_tls"] = False
        return SMTP(ablage, hostname="localhost", **optionen)

    schleife = asyncio.new_event_loop()
    asyncio.set_event_loop(schleife)
    server = schleife.run_until_complete(
        schleife.create_server(fabrik, host="127.0.0.1", port=0, ssl=kontext if a.tls else None))
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    try:
        schleife.run_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
