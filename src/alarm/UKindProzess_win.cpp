// The child's group on Windows: a job object that ends every process in it
// when its last handle closes (this object, or the program when it dies).
// The program is created suspended and only resumed once it is in the job,
// so that nothing it starts escapes; it inherits only its standard handles.
#include "alarm/UKindProzess.h"

#include <windows.h>

#include <tlhelp32.h>

#include <initializer_list>
#include <vector>

struct TKindProzess::tPlattform {
    HANDLE Job = nullptr;
    STARTUPINFOEXW Start{};
    std::vector<char> Attribute; // the attribute list naming the handles to inherit
    bool AttributeBereit = false;
    bool Beendet = false; // the job was ended whole
    HANDLE Erben[3]{};

    ~tPlattform() {
        if (AttributeBereit)
            DeleteProcThreadAttributeList(reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(Attribute.data()));
        if (Job)
            CloseHandle(Job); // ends whatever still runs in it
    }

    // Lets the child inherit its standard handles and nothing else.
    void NurStandardHandles(QProcess::CreateProcessArguments *a) {
        if (!a->inheritHandles || !a->startupInfo)
            return;
        DWORD anzahl = 0;
        for (HANDLE h : {a->startupInfo->hStdInput, a->startupInfo->hStdOutput, a->startupInfo->hStdError}) {
            if (h == nullptr || h == INVALID_HANDLE_VALUE)
                continue;
            bool doppelt = false;
            for (DWORD i = 0; i < anzahl; ++i)
                doppelt = doppelt || Erben[i] == h;
            if (!doppelt)
                Erben[anzahl++] = h;
        }
        SIZE_T groesse = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &groesse);
        Attribute.assign(groesse, 0);
        auto *liste = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(Attribute.data());
        if (!InitializeProcThreadAttributeList(liste, 1, 0, &groesse))
            return;
        AttributeBereit = true;
        if (anzahl == 0 || !UpdateProcThreadAttribute(liste, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, Erben,
                                                      anzahl * sizeof(HANDLE), nullptr, nullptr)) {
            // With no handle to name, none is inherited at all.
            if (anzahl == 0)
                a->inheritHandles = FALSE;
            return;
        }
        Start.StartupInfo = *a->startupInfo;
        Start.StartupInfo.cb = sizeof(STARTUPINFOEXW);
        Start.lpAttributeList = liste;
        a->startupInfo = &Start.StartupInfo;
        a->flags |= EXTENDED_STARTUPINFO_PRESENT;
    }

    // Puts the suspended process into the job and lets it run.
    void InDenJob(DWORD pid) {
        if (Job) {
            HANDLE prozess = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, pid);
            if (prozess) {
                AssignProcessToJobObject(Job, prozess);
                CloseHandle(prozess);
            }
        }
        // Its only thread, created suspended.
        HANDLE bild = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        if (bild == INVALID_HANDLE_VALUE)
            return;
        THREADENTRY32 t{};
        t.dwSize = sizeof t;
        for (BOOL weiter = Thread32First(bild, &t); weiter; weiter = Thread32Next(bild, &t)) {
            if (t.th32OwnerProcessID != pid)
                continue;
            HANDLE faden = OpenThread(THREAD_SUSPEND_RESUME, FALSE, t.th32ThreadID);
            if (faden) {
                ResumeThread(faden);
                CloseHandle(faden);
            }
        }
        CloseHandle(bild);
    }
};

TKindProzess::TKindProzess(QObject *parent) : QProcess(parent), m_p(std::make_unique<tPlattform>()) {
    m_p->Job = CreateJobObjectW(nullptr, nullptr);
    if (m_p->Job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION grenzen{};
        grenzen.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_p->Job, JobObjectExtendedLimitInformation, &grenzen, sizeof grenzen);
    }
}

TKindProzess::~TKindProzess() {
    GruppeBeenden();
    if (state() != QProcess::NotRunning)
        waitForFinished(2000);
}

void TKindProzess::Starte() {
    tPlattform *p = m_p.get();
    setCreateProcessArgumentsModifier([p](QProcess::CreateProcessArguments *a) {
        a->flags |= CREATE_SUSPENDED;
        p->NurStandardHandles(a);
    });
    start();
    if (processId() > 0)
        p->InDenJob(static_cast<DWORD>(processId()));
}

bool TKindProzess::GruppeBeenden() {
    bool lief = state() != QProcess::NotRunning;
    if (m_p->Job && !m_p->Beendet) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        if (QueryInformationJobObject(m_p->Job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                      nullptr) &&
            info.ActiveProcesses > 0)
            lief = true;
        TerminateJobObject(m_p->Job, 1);
        m_p->Beendet = true;
    }
    if (state() != QProcess::NotRunning)
        kill();
    return lief;
}
