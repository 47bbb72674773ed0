#include "app/Startup.h"

#include "support/FileSystem.h"
#include "support/SystemFacts.h"
#include "versioninfo/VersionInfo.h"

namespace {

// The running executable's version resource, a fresh reader for every value.
class TOwnVersion final : public TExecutableVersion {
public:
    std::string ReadItem(const std::string& name) const override { return Reader().ReadItem(name); }
    std::string FileDescription() const override { return Reader().FileDescription(); }
    std::string FileVersion() const override { return Reader().FileVersion(); }

private:
    static TVersionInfo Reader() { return TVersionInfo(PlatformVersionApi()); }
};

}  // namespace

std::unique_ptr<TStartup> StartPlatformModules() {
    static const TOwnVersion version;
    const TSettingsPorts ports{&PlatformSystemFacts(), &PlatformFileSystem(), &version};
    return std::make_unique<TStartup>(PlatformCommandLine(), ports);
}
