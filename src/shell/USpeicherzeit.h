// The storage-time schedule: once a day, at the full hour SpeicherStunde, the
// live display fetches the records stored in every running controller. This
// keeps the hour and computes when the next run is due; the clock is
// TZustand::Jetzt.
#pragma once

#include "shell/UZustand.h"

class TIniDatei;

// SpeicherAktiv := SpeicherStunde is not 0; NaechsteSpeicherzeit := today at
// SpeicherStunde:00 if that moment has not passed yet (exactly now counts as
// not passed), else tomorrow at that hour; hour 24 is the coming midnight.
// An hour outside 0..24 counts as 0 (no scheduled storage).
void BerechneSpeicherzeit(TZustand &z);

// The storage run is due: SpeicherAktiv and now at or after NaechsteSpeicherzeit.
bool SpeicherungFaellig(const TZustand &z);

// The storage run can be done now: the connection is open and the plants
// have been learned since it was opened. A run that falls due while the
// connection is down waits until then, instead of failing for every plant.
bool SpeicherungMoeglich(const TZustand &z);

// After a storage run: NaechsteSpeicherzeit moves on by exactly one day (the
// same hour on the next calendar day).
void SpeicherzeitWeiter(TZustand &z);

// The operator chose hour stunde in the storage-time dialog. If it is 0..24
// and differs from SpeicherStunde: SpeicherStunde := stunde, written to [COM]
// "ZEIT", and the schedule is computed again. Another hour (no button down)
// keeps the previous one; the same hour writes nothing. false only when the
// write failed (ini.LetzterFehler() says why; the new hour is in effect).
bool SetzeSpeicherStunde(TZustand &z, TIniDatei &ini, int stunde);
