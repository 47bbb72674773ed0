#include "support/ProgSettings.h"

#include <exception>
#include <memory>
#include <utility>

#include "support/PathRoutines.h"
#include "support/TextRoutines.h"
#include "support/WholeFileIni.h"

namespace {

constexpr std::string_view kSettingsFileName = "PrgSttng.ini";
constexpr std::string_view kProductCodeItem = "ProductCode";

struct TOverrideField {
    std::string_view name;  // the switch and the settings key
    std::string TViaParm::*field;
};

// Switches are read in this order, the settings file in the order of kFileOrder.
constexpr TOverrideField kSwitchOrder[] = {{"ProgDataFolder", &TViaParm::ProgDataFolder},
                                           {"UserDataFolder", &TViaParm::UserDataFolder},
                                           {"ExeDataFolder", &TViaParm::ExeDataFolder},
                                           {"ProductCode", &TViaParm::ProductCode}};
constexpr TOverrideField kFileOrder[] = {kSwitchOrder[0], kSwitchOrder[2], kSwitchOrder[1], kSwitchOrder[3]};

// The process-wide state of the settings module, kept in one place.
struct TSettingsState {
    TViaParm overrides;
    std::unique_ptr<TProgSettings> settings;
};

TSettingsState& State() {
    static TSettingsState state;
    return state;
}

// A version resource that cannot be read counts as one without a product code.
std::string ReadProductCodeItem(const TExecutableVersion& version) {
    try {
        return version.ReadItem(std::string(kProductCodeItem));
    } catch (const std::exception&) {
        return {};
    }
}

bool IsSwitch(std::string_view param) {
    return !param.empty() && (param.front() == '/' || param.front() == '-');
}

}  // namespace

TViaParm ReadOverrides(TCommandLine& commandLine, const TSettingsPorts& ports) {
    TViaParm overrides;
    for (const TOverrideField& item : kSwitchOrder) {
        overrides.*item.field = Trim(commandLine.GetSwitchValue(item.name, false));
    }
    const std::string first = commandLine.ParamStr(1);
    if (overrides.ProgDataFolder.empty() && commandLine.ParamCount() >= 1 && !IsSwitch(first) &&
        FolderExists(*ports.Files, first)) {
        overrides.ProgDataFolder = first;
    }
    const std::string settingsPath = ProgramFolder(*ports.Facts) + std::string(kSettingsFileName);
    if (!ports.Files->FileExists(settingsPath))
        return overrides;
    const auto content = ports.Files->ReadFile(settingsPath);
    const ini::TWholeFileIni file(content ? *content : std::string());
    const std::string section = ExeBaseName(*ports.Facts);
    for (const TOverrideField& item : kFileOrder) {
        std::string& value = overrides.*item.field;
        if (value.empty())
            value = file.ReadString(section, item.name, "");
    }
    return overrides;
}

TProgSettings::TProgSettings(TViaParm overrides, const TSettingsPorts& ports)
    : TnoxFolderRtns(*ports.Files), overrides_(std::move(overrides)), ports_(ports) {
    userName_ = LowerCase(WindowsUserName(*ports_.Facts));
    productCode_ = DefaultProductCode();
    bool ignored = false;
    progDataFolder_ = ResolveFolder(overrides_.ProgDataFolder, ignored);
    exeDataFolder_ = ResolveFolder(overrides_.ExeDataFolder, ignored);
    userDataFolder_ = ResolveFolder(overrides_.UserDataFolder, noProductFolder_);
}

// A value ending in ";" loses it; for the user data folder that means no product-code level below it.
std::string TProgSettings::ResolveFolder(const std::string& override, bool& endedInSemicolon) const {
    std::string value = override.empty() ? DataFolder(*ports_.Facts, Files()) : ExpandPlaceholders(override);
    endedInSemicolon = LastChar(value) == ';';
    if (endedInSemicolon)
        CutTail(value, 1);
    return EnsureFolder(ExpandFileName(value, ports_.Facts->CurrentDirectory()));
}

std::string TProgSettings::DefaultProductCode() const {
    if (!overrides_.ProductCode.empty())
        return overrides_.ProductCode;
    const std::string code = ReadProductCodeItem(*ports_.Version);
    return code.empty() ? ExeBaseName(*ports_.Facts) : code;
}

void TProgSettings::SetProductCode(std::string_view code) {
    productCode_ = code.empty() ? DefaultProductCode() : std::string(code);
}

// Every replacement folder is determined whether or not its placeholder occurs, so any expansion
// creates the data folder and needs both shell folders.
std::string TProgSettings::ExpandPlaceholders(std::string_view value) const {
    const std::pair<std::string_view, std::string> replacements[] = {
        {":exe:", ProgramFolder(*ports_.Facts)},
        {":dft:", DataFolder(*ports_.Facts, Files())},
        {":applicdata:", AppDataFolder(*ports_.Facts)},
        {":mydoc:", MyDocumentsFolder(*ports_.Facts)},
    };
    std::string expanded(value);
    for (const auto& [placeholder, folder] : replacements)
        expanded = ReplaceText(expanded, placeholder, folder);
    return expanded;
}

std::string TProgSettings::UserFolder() const {
    std::string folder = EnsureFolder(userDataFolder_);
    if (!noProductFolder_)
        folder += "\\" + productCode_;
    return EnsureFolder(folder + "\\users\\" + userName_);
}

std::string TProgSettings::FormDataFolder() const {
    return AddBackslash(EnsureFolder(UserFolder() + "\\formdata"));
}

std::string TProgSettings::FormStateFileName(std::string_view windowName) const {
    return FormDataFolder() + std::string(windowName) + ".ini";
}

std::string TProgSettings::BarLayoutFileName(std::string_view windowName, std::string_view productCode) {
    if (!productCode.empty() && !SameTextUpper(productCode, productCode_))
        productCode_ = productCode;
    std::string name = FormDataFolder() + std::string(windowName) + ".bar.ini";
    SetProductCode({});
    return name;
}

std::string TProgSettings::VersionText() const {
    return ports_.Version->FileDescription() + " - " + ports_.Version->FileVersion();
}

void InitProgSettings(TCommandLine& commandLine, const TSettingsPorts& ports) {
    TSettingsState& state = State();
    if (state.settings)
        return;
    // Nothing is kept when creating the settings fails, so a failed start leaves the module down.
    TViaParm overrides = ReadOverrides(commandLine, ports);
    auto settings = std::make_unique<TProgSettings>(overrides, ports);
    state.overrides = std::move(overrides);
    state.settings = std::move(settings);
}

void FinalizeProgSettings() {
    State().settings.reset();
    State().overrides = TViaParm{};
}

TProgSettings* ProgSettings() {
    return State().settings.get();
}

const TViaParm& ViaParm() {
    return State().overrides;
}
