#include "ProfileCommands.h"

#include <iostream>
#include <optional>

#include "profiles/Categories.h"
#include "profiles/FieldTexts.h"
#include "profiles/Profiles.h"

namespace cli {

namespace {

using profiles::PresetList;

struct PresetOption {
    std::string_view option;
    PresetList list;
};

constexpr PresetOption kPresetOptions[] = {
    {"--frame-size", PresetList::FrameSize},       {"--video-bitrate", PresetList::VideoBitrate},
    {"--frame-rate", PresetList::FrameRate},       {"--audio-bitrate", PresetList::AudioBitrate},
    {"--sample-rate", PresetList::SampleRate},     {"--aspect", PresetList::AspectMode},
};

std::optional<PresetList> presetListOf(std::string_view option) {
    for (const PresetOption& p : kPresetOptions) {
        if (p.option == option) return p.list;
    }
    return std::nullopt;
}

// "100-106, 200-206, ..., 1100-1103"
std::string validRowNumbers() {
    std::string text;
    const auto cats = profiles::categories();
    for (int c = 0; c < static_cast<int>(cats.size()); ++c) {
        const int first = profiles::rowProfileNumberOf({c, 0});
        const int last = profiles::rowProfileNumberOf({c, static_cast<int>(cats[c].profileCaptions.size()) - 1});
        if (!text.empty()) text += ", ";
        text += std::to_string(first) + "-" + std::to_string(last);
    }
    return text;
}

int rowNumberOf(const std::string& text) {
    std::size_t used = 0;
    int row = 0;
    try {
        row = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || !profiles::profileOfRowNumber(row)) {
        throw ArgumentError("no profile has the row number '" + text + "'; valid row numbers: " + validRowNumbers());
    }
    return row;
}

std::string quotedEntries(profiles::Family family) {
    std::string text;
    for (std::string_view entry : profiles::entriesOf(family)) {
        if (!text.empty()) text += ", ";
        text += "\"" + std::string(entry) + "\"";
    }
    return text;
}

}  // namespace

ProfileChoice readProfileChoice(const std::string& rowText, const Arguments& args, Arguments& rest) {
    ProfileChoice choice;
    choice.rowProfileNumber = rowNumberOf(rowText);
    const profiles::ProfilePresets& presets = profiles::presetsFor(choice.rowProfileNumber);
    choice.presets = profiles::defaultIndicesOf(presets);

    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto list = presetListOf(args[i]);
        if (!list) {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) throw ArgumentError(args[i] + " needs an entry of the " + std::string(nameOf(*list)) + " list");
        const std::string& text = args[++i];
        const profiles::Family family = presets.lists[*list].family;
        const auto entry = profiles::entryNumberOf(family, text);
        if (!entry) {
            throw ArgumentError(args[i - 1] + " \"" + text + "\" is not in the " + std::string(nameOf(*list)) +
                                " list of profile " + std::to_string(choice.rowProfileNumber) +
                                "; valid entries: " + quotedEntries(family));
        }
        choice.presets[*list] = *entry;
    }
    return choice;
}

int listProfiles(std::ostream& out) {
    const auto cats = profiles::categories();
    for (profiles::ProfileId id : profiles::allProfiles()) {
        const std::string_view caption = profiles::captionOf(id);
        out << profiles::rowProfileNumberOf(id) << '\t' << profiles::profileCodeOf(id) << '\t'
            << profiles::outputExtensionOf(caption) << '\t' << cats[id.categoryIndex].caption << '\t' << caption
            << '\n';
    }
    return ExitOk;
}

int showProfile(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "usage: quorvinxvid-convert --show-profile ROW [preset options]\n";
        return ExitBadArguments;
    }
    try {
        Arguments rest;
        const ProfileChoice choice = readProfileChoice(args[0], Arguments(args.begin() + 1, args.end()), rest);
        if (!rest.empty()) throw ArgumentError("unknown argument '" + rest.front() + "'");
        const profiles::ProfileFields fields = profiles::fieldsFor(choice.rowProfileNumber, choice.presets);
        for (const auto& [name, value] : profiles::fieldTextsOf(fields)) out << name << '=' << value << '\n';
        out << "Preset=" << profiles::presetString(choice.presets) << '\n';
        return ExitOk;
    } catch (const ArgumentError& e) {
        err << "quorvinxvid-convert: " << e.what() << '\n';
        return ExitBadArguments;
    }
}

int listProfilesCommand(const Arguments& args) {
    if (!args.empty()) {
        std::cerr << "usage: quorvinxvid-convert --list-profiles\n";
        return ExitBadArguments;
    }
    return listProfiles(std::cout);
}

int showProfileCommand(const Arguments& args) { return showProfile(args, std::cout, std::cerr); }

}  // namespace cli
