#include "analysis/alarm_profiles.h"
#include "analysis/recording_analysis.h"
#include "analysis/series_analysis.h"
#include "analysis_json.h"
#include "commands.h"
#include "image_files.h"
#include "record/recording.h"
#include "storage/file_io.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace velka::cli {
namespace {

// A series file may hold a year of readings a minute apart, and no more than that tenfold.
constexpr std::size_t kLargestSeriesBytes = std::size_t{64} * 1024 * 1024;

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole finite decimal number ("5", "-0.5", "1e1"), nothing before or after it.
std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// SIDE,THRESHOLD,strict|inclusive,single|cumulative,DELAY_S
ExcursionRule ParseRule(const std::string& text, TemperatureUnit unit) {
    const UsageError malformed{"--rule takes SIDE,THRESHOLD,strict|inclusive,single|cumulative,"
                               "DELAY_S (for example above,8,strict,single,1800), not \"" +
                               text + "\""};
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() != 5)
        throw malformed;
    ExcursionRule rule;
    if (parts[0] != "above" && parts[0] != "below")
        throw malformed;
    rule.side = parts[0] == "above" ? RuleSide::Above : RuleSide::Below;
    const std::optional<double> threshold = ParseNumber(parts[1]);
    if (!threshold || (parts[2] != "strict" && parts[2] != "inclusive") ||
        (parts[3] != "single" && parts[3] != "cumulative"))
        throw malformed;
    rule.threshold = CelsiusFrom(*threshold, unit);
    rule.inclusive = parts[2] == "inclusive";
    rule.kind = parts[3] == "single" ? RuleKind::Single : RuleKind::Cumulative;
    int delay = -1;
    const auto [end, error] =
        std::from_chars(parts[4].data(), parts[4].data() + parts[4].size(), delay);
    if (error != std::errc() || end != parts[4].data() + parts[4].size() || delay < 0)
        throw malformed;
    rule.delaySeconds = delay;
    return rule;
}

double ActivationEnergy(const Arguments& arguments) {
    const std::optional<std::string> text = arguments.Value("--delta-h");
    if (!text)
        return kDefaultActivationEnergy;
    const std::optional<double> value = ParseNumber(*text);
    if (!value || *value < kLowestActivationEnergy || *value > kHighestActivationEnergy)
        throw UsageError{"--delta-h takes the activation energy in kJ/mol, from 40 to 150"};
    return *value;
}

// One temperature a line, in `unit`, read into °C; blank lines and lines starting with "#" are
// left out.
std::vector<double> ReadSeries(const std::filesystem::path& path, TemperatureUnit unit) {
    std::error_code error;
    const std::optional<std::string> text = ReadWholeFile(path, kLargestSeriesBytes, &error);
    if (!text)
        throw CommandFailure{"cannot read " + DescribeFileError(path, error)};
    std::vector<double> series;
    std::size_t lineNumber = 0;
    std::istringstream lines(*text);
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        const std::string_view content = Trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        const std::optional<double> value = ParseNumber(content);
        if (!value)
            throw CommandFailure{MessagePath(path) + ": line " + std::to_string(lineNumber) +
                                 " is not a temperature"};
        series.push_back(CelsiusFrom(*value, unit));
    }
    if (series.empty())
        throw CommandFailure{MessagePath(path) + " holds no temperatures"};
    return series;
}

std::string ProfileNamesText() {
    std::string names;
    for (const std::string& name : AlarmProfileNames())
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

}  // namespace

int RunAnalyse(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 1)
        throw UsageError{"analyse takes one INPUT"};
    const std::optional<long long> interval = arguments.Integer("--interval", 1, 0x7FFFFFFF);
    const TemperatureUnit unit = arguments.Unit(TemperatureUnit::Celsius);
    const double activationEnergy = ActivationEnergy(arguments);
    std::vector<ExcursionRule> givenRules;
    for (const std::string& text : arguments.Values("--rule"))
        givenRules.push_back(ParseRule(text, unit));
    const std::string profileName = arguments.Value("--profile").value_or(kDefaultAlarmProfile);
    const std::vector<std::string> names = AlarmProfileNames();
    if (std::find(names.begin(), names.end(), profileName) == names.end())
        throw UsageError{"unknown profile " + profileName + " (" + ProfileNamesText() + ")"};

    const std::filesystem::path input = arguments.positional[0];
    std::vector<double> series;
    LoggerSettings settings;
    std::optional<Recording> recording;
    if (interval) {
        if (givenRules.empty() && profileName == kDefaultAlarmProfile)
            throw UsageError{"a series of temperatures has no logger limits: give --profile or "
                             "--rule"};
        series = ReadSeries(input, unit);
    } else {
        const LoggerImage image = ReadImageArgument(input);
        const LoadedReferenceTables tables = LoadReferenceTables(context.referenceFolder);
        if (!tables.Usable())
            throw CommandFailure{tables.ProblemText()};
        recording = DecodeRecording(image, tables, context.now);
        settings = recording->settings;
        series = RecordingTemperatures(*recording);
        if (series.empty())
            throw CommandFailure{MessagePath(input) + ": the record holds no samples"};
    }

    const AlarmProfile profile = *FindAlarmProfile(profileName, settings);
    const int seconds = interval ? static_cast<int>(*interval) : settings.logInterval;
    const std::optional<SeriesAnalysis> analysis =
        AnalyseSeries(series, seconds, activationEnergy,
                      givenRules.empty() ? profile.rules : givenRules, profile.mktCeiling);
    if (!analysis)
        throw CommandFailure{MessagePath(input) + ": the recording has no log interval"};
    SampleTimes times;
    if (recording)
        times = [&recording](std::size_t k) { return recording->SampleTime(k); };
    nlohmann::json json = AnalysisJson(*analysis, times, unit);
    json["unit"] = UnitCode(unit);
    json["profile"] = givenRules.empty() ? nlohmann::json(profileName) : nlohmann::json(nullptr);
    context.out << json.dump() << '\n';
    return kExitSuccess;
}

}  // namespace velka::cli
