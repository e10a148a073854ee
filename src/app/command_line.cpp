#include "app/command_line.h"

#include "framework/text.h"

namespace tundeck {

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < commandLine.size()) {
        if (IsSeparator(commandLine[at])) {
            ++at;
            continue;
        }
        std::string word;
        bool quoted = false;
        for (; at < commandLine.size() && (quoted || !IsSeparator(commandLine[at])); ++at) {
            if (commandLine[at] == '"') {
                quoted = !quoted;
            } else {
                word += commandLine[at];
            }
        }
        if (!word.empty()) {
            words.push_back(std::move(word));
        }
    }
    return words;
}

CommandLinePlan PlanCommandLine(const std::vector<std::string>& words, bool autoPlay,
                                const std::function<bool(const std::string&)>& fileExists) {
    if (words.empty()) {
        return {};
    }
    std::string joined = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) {
        joined += ' ' + words[i];
    }
    const std::string extension = PathExtension(words.back());
    const bool joinedExists = fileExists(joined);
    if (words.size() > 1 && !joinedExists) {
        CommandLinePlan each{{}, autoPlay};
        for (const std::string& word : words) {
            const std::string wordExtension = PathExtension(word);
            if ((wordExtension != ".mp3" && wordExtension != ".m3u") || !fileExists(word)) {
                each.Files.clear();
                break;
            }
            each.Files.push_back({word, wordExtension == ".m3u"});
        }
        if (!each.Files.empty()) {
            return each;
        }
    }
    if (extension == ".mp3") {
        return joinedExists ? CommandLinePlan{{{joined, false}}, autoPlay} : CommandLinePlan{};
    }
    if (extension == ".m3u") {
        return {{{joined, true}}, autoPlay};
    }
    return {};
}

} // namespace tundeck
