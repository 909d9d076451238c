// Work that must not hold up the user-interface thread (reading a pile's data
// file, sending a mail), each piece on a thread of its own; its continuation
// follows with the result on the owner's thread. Destroyed, it waits for the
// threads still running and drops their continuations.
#pragma once

#include <QList>
#include <QObject>
#include <QThread>

#include <memory>
#include <type_traits>
#include <utility>

class THintergrund {
public:
    explicit THintergrund(QObject *besitzer) : m_besitzer(besitzer) {}
    THintergrund(const THintergrund &) = delete;
    THintergrund &operator=(const THintergrund &) = delete;
    ~THintergrund() {
        for (QThread *t : std::as_const(m_threads)) {
            t->disconnect(m_besitzer);
            t->wait();
            delete t;
        }
    }

    // Whether a piece of work (or its continuation) has not ended yet.
    bool Laeuft() const { return !m_threads.isEmpty(); }

    // Runs arbeit() on a thread of its own; danach(result) follows on the
    // owner's thread, unless the owner is gone by then.
    template <class Arbeit, class Danach> void Starte(Arbeit arbeit, Danach danach) {
        using TErgebnis = std::invoke_result_t<Arbeit &>;
        auto ergebnis = std::make_shared<TErgebnis>();
        QThread *t =
            QThread::create([arbeit = std::move(arbeit), ergebnis]() mutable { *ergebnis = arbeit(); });
        m_threads.append(t);
        QObject::connect(t, &QThread::finished, m_besitzer,
                         [this, t, ergebnis, danach = std::move(danach)]() mutable {
                             m_threads.removeOne(t);
                             t->deleteLater();
                             danach(*ergebnis);
                         });
        t->start();
    }

private:
    QObject *m_besitzer;
    QList<QThread *> m_threads;
};
