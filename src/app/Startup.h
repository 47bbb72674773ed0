#ifndef PLUX_APP_STARTUP_H
#define PLUX_APP_STARTUP_H

#include <functional>
#include <memory>
#include <vector>

#include "support/CommandLine.h"
#include "support/ProgSettings.h"

// The support modules, brought up before any window in this order, each once: the command-line
// switches, the message catalogue (language 0) and the program settings. They go down in reverse
// order when the object goes; when one fails to come up, those already up go down again and the
// error leaves the constructor.
class TStartup {
public:
    TStartup(TTextList params, const TSettingsPorts& ports);
    ~TStartup();
    TStartup(const TStartup&) = delete;
    TStartup& operator=(const TStartup&) = delete;

    TCommandLine& CommandLine() { return *commandLine_; }

private:
    void Up(const std::function<void()>& initialize, std::function<void()> finalize);
    void Down();

    std::unique_ptr<TCommandLine> commandLine_;
    std::vector<std::function<void()>> finalizers_;
};

// The modules over the running platform: its command line, system facts, files and version resource.
std::unique_ptr<TStartup> StartPlatformModules();

#endif
