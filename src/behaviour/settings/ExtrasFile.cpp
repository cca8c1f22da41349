#include "settings/ExtrasFile.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "base/Files.h"
#include "settings/OptionsFile.h"

namespace talvorin {

namespace {

constexpr std::array<std::pair<const char*, ExtraKey>, 4> kKeys = {{
    {"clics_traversants", ExtraKey::ClicsTraversants},
    {"position_verrouillee", ExtraKey::PositionVerrouillee},
    {"masquer_plein_ecran", ExtraKey::MasquerPleinEcran},
    {"survol_discret", ExtraKey::SurvolDiscret},
}};

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

std::optional<ExtraKey> knownKey(std::string_view name) {
    for (const auto& [text, key] : kKeys)
        if (name == text) return key;
    return std::nullopt;
}

bool skipped(std::string_view line) {
    const std::string_view t = trimmed(line);
    return t.empty() || t.front() == '#';
}

std::vector<std::string> allLines(std::string_view text) {
    return splitLines(text, text.size() + 1);
}

}  // namespace

bool& extraFlag(Extras& extras, ExtraKey key) {
    switch (key) {
        case ExtraKey::ClicsTraversants:
            return extras.clicsTraversants;
        case ExtraKey::PositionVerrouillee:
            return extras.positionVerrouillee;
        case ExtraKey::MasquerPleinEcran:
            return extras.masquerPleinEcran;
        case ExtraKey::SurvolDiscret:
            break;
    }
    return extras.survolDiscret;
}

bool extraFlag(const Extras& extras, ExtraKey key) {
    return extraFlag(const_cast<Extras&>(extras), key);
}

std::string extrasPathBeside(const std::string& optionsFile) {
    const auto slash = optionsFile.find_last_of("/\\");
    return slash == std::string::npos ? kExtrasFileName
                                      : optionsFile.substr(0, slash + 1) + kExtrasFileName;
}

Extras parseExtras(std::string_view text,
                   const std::function<void(std::size_t, const std::string&)>& badLine) {
    Extras extras;
    const auto lines = allLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (skipped(lines[i])) continue;
        const auto entry = entryOf(lines[i]);
        const auto key = entry ? knownKey(entry->key) : std::nullopt;
        if (key && (entry->value == "0" || entry->value == "1")) {
            extraFlag(extras, *key) = entry->value == "1";
            continue;
        }
        badLine(i + 1, lines[i]);
    }
    return extras;
}

std::string formatExtras(std::string_view previous, const Extras& extras) {
    std::string text;
    std::array<bool, kKeys.size()> written{};
    for (const auto& line : allLines(previous)) {
        const auto entry = skipped(line) ? std::nullopt : entryOf(line);
        const auto key = entry ? knownKey(entry->key) : std::nullopt;
        if (!key) {
            text += line + "\r\n";
            continue;
        }
        // A key given twice gets the value on each of its lines, so the one
        // read last (the one that counts) has it.
        text += std::string(entry->key) + "=" + (extraFlag(extras, *key) ? "1" : "0") + "\r\n";
        written[static_cast<std::size_t>(*key)] = true;
    }
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (!written[i])
            text += std::string(kKeys[i].first) + "=" +
                    (extraFlag(extras, kKeys[i].second) ? "1" : "0") + "\r\n";
    return text;
}

std::string readExtrasText(const std::string& path) {
    try {
        return os::readRegularFile(path, kMaxExtrasBytes);
    } catch (const RuntimeError& e) {
        if (e.code() == ErrorCode::FileNotFound) return {};
        throw;
    }
}

}  // namespace talvorin
