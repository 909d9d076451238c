// A program started as a well-behaved child (the site's alarm command): it
// inherits no descriptor or handle of this program but its standard streams
// (no socket to the broker, no pipe, no open file), and it runs with
// everything it starts in a group of its own - a process group on Unix, a
// job object on Windows - that is ended whole: at a time limit, when this
// object goes (the program's end), and when the program itself dies (on
// Linux the program through its death signal, on Windows the whole job when
// its last handle closes with the program).
//
// The platform's part lives in UKindProzess_unix.cpp and UKindProzess_win.cpp;
// the build takes one of them.
#pragma once

#include <QProcess>

#include <memory>

class TKindProzess : public QProcess {
public:
    explicit TKindProzess(QObject *parent = nullptr);
    // Ends the group if anything of it still runs.
    ~TKindProzess() override;
    TKindProzess(const TKindProzess &) = delete;
    TKindProzess &operator=(const TKindProzess &) = delete;

    // Starts program() with arguments() in a group of its own.
    void Starte();
    // Ends every process of the group, the program itself first if it
    // still runs; true when there was one to end.
    bool GruppeBeenden();

private:
    struct tPlattform;
    std::unique_ptr<tPlattform> m_p;
};
