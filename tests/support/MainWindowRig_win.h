#ifndef PLUX_TESTS_SUPPORT_MAINWINDOWRIG_WIN_H
#define PLUX_TESTS_SUPPORT_MAINWINDOWRIG_WIN_H

#include <windows.h>

#include <commctrl.h>

#include "app/MainWindow_win.h"
#include "app/Startup.h"
#include "support/FakeExecutableVersion.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"
#include "support/TempDir.h"

// The common controls and the support modules up as at start-up, with every data folder in a folder of the test, so
// that a main window made meanwhile finds and leaves its files there. `version` is what the program's version resource
// says; it is read again at each use.
class TMainWindowRig {
public:
    TMainWindowRig()
        : startup_({"plux.exe", "-ProgDataFolder", data_.Path(), "-UserDataFolder", data_.Path(), "-ExeDataFolder",
                    data_.Path()},
                   TSettingsPorts{&PlatformSystemFacts(), &PlatformFileSystem(), &version}) {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
    }

    // What the application's message loop does with the messages waiting.
    static void Pump(TfrmPLUX& window) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || window.PreTranslateMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    TFakeExecutableVersion version;

private:
    TTempDir data_;
    TStartup startup_;
};

#endif
