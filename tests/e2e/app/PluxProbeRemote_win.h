#ifndef PLUX_TESTS_E2E_APP_PLUXPROBEREMOTE_WIN_H
#define PLUX_TESTS_E2E_APP_PLUXPROBEREMOTE_WIN_H

#include <windows.h>

// Memory in plux's process for a message that answers through a pointer.
class TRemoteMemory {
public:
    TRemoteMemory(DWORD processId, SIZE_T size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId)) {
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~TRemoteMemory() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    TRemoteMemory(const TRemoteMemory&) = delete;
    TRemoteMemory& operator=(const TRemoteMemory&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    bool Read(void* to, SIZE_T size) const { return ReadProcessMemory(process_, address_, to, size, nullptr) != 0; }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

#endif
