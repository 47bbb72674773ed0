#include "support/CommandLine.h"

#include <windows.h>

TTextList PlatformCommandLine() {
    return SplitCommandLine(GetCommandLineA());
}
