#include "cli/clidocs.h"

#include "cli/clioptions.h"

namespace tonewright {

namespace {

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::string JoinLines(const std::string& text) {
    std::string joined = text;
    for (char& c : joined)
        if (c == '\n') c = ' ';
    return joined;
}

// Every option name shown in the help, for completing a word that starts with "-".
std::string OptionWords() {
    std::string words;
    for (const OptionRow& row : OptionTable()) {
        if (row.help.empty()) continue;
        if (row.shortName) words += std::string(row.shortName) + " ";
        words += std::string(row.longName) + " ";
    }
    words.pop_back();
    return words;
}

// The names a value may take, or "" when any text does.
std::string ValueWords(OptionValue value) {
    if (value == OptionValue::Format) return FormatNames();
    if (value == OptionValue::Rule) return "rename overwrite skip";
    return "";
}

std::string BashScript() {
    std::string cases;
    for (const OptionRow& row : OptionTable()) {
        if (row.help.empty() || !row.valueName) continue;
        const std::string names = row.shortName ? std::string(row.shortName) + "|" + row.longName : row.longName;
        std::string action;
        switch (row.value) {
            case OptionValue::Folder: action = "COMPREPLY=($(compgen -d -- \"$cur\"))"; break;
            case OptionValue::File: action = "COMPREPLY=($(compgen -f -- \"$cur\"))"; break;
            case OptionValue::Format:
            case OptionValue::Rule:
                action = "COMPREPLY=($(compgen -W \"" + ValueWords(row.value) + "\" -- \"$cur\"))";
                break;
            default: action = "COMPREPLY=()";
        }
        cases += "        " + names + ") " + action + "; return ;;\n";
    }
    return "# bash completion for tonewright-cli, made from its option table\n"
           "_tonewright_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    case $prev in\n" +
           cases +
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"" + OptionWords() + "\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "}\n"
           "complete -o filenames -F _tonewright_cli tonewright-cli\n";
}

// A text inside zsh's '...[text]' option description.
std::string ZshText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\'') out += "'\\''";
        else if (c == '[' || c == ']' || c == ':' || c == '\\') out += std::string("\\") + c;
        else out += c;
    }
    return out;
}

std::string ZshScript() {
    std::string described;
    for (const OptionRow& row : OptionTable()) {
        if (row.help.empty()) continue;
        std::string action;
        if (row.valueName) {
            switch (row.value) {
                case OptionValue::Folder: action = ":" + std::string(row.valueName) + ":_files -/"; break;
                case OptionValue::File: action = ":" + std::string(row.valueName) + ":_files"; break;
                case OptionValue::Format:
                case OptionValue::Rule:
                    action = ":" + std::string(row.valueName) + ":(" + ValueWords(row.value) + ")";
                    break;
                default: action = ":" + std::string(row.valueName) + ": ";
            }
        }
        const std::string text = "[" + ZshText(FirstLine(row.help)) + "]" + action;
        if (row.shortName)
            described += "    '(" + std::string(row.shortName) + " " + row.longName + ")'{" + row.shortName + "," +
                     row.longName + "}'" + text + "' \\\n";
        else
            described += "    '" + std::string(row.longName) + (row.valueName ? "=" : "") + text + "' \\\n";
    }
    return "#compdef tonewright-cli\n"
           "# zsh completion for tonewright-cli, made from its option table\n"
           "_arguments -s -S \\\n" +
           described + "    '*:file or folder:_files'\n";
}

// Text for roff: backslashes and hyphens escaped, a line starting with a dot or quote kept text.
std::string Roff(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

}  // namespace

std::string CompletionScript(const std::string& shell) { return shell == "zsh" ? ZshScript() : BashScript(); }

std::string ManPage() {
    std::string page =
        ".TH TONEWRIGHT\\-CLI 1 \"\" \"tonewright-cli " TONEWRIGHT_VERSION "\" \"User Commands\"\n"
        ".SH NAME\n"
        "tonewright\\-cli \\- convert audio files to one output format from the command line\n"
        ".SH SYNOPSIS\n"
        ".B tonewright\\-cli\n"
        "[\\fIOPTIONS\\fR] \\fIPATH\\fR...\n"
        ".SH DESCRIPTION\n"
        "Converts audio files (and the audio of video files, tracker modules, MIDI files) with the engine of the "
        "Tonewright desktop program and its stored options. A \\fIPATH\\fR that is a folder is searched with all its "
        "subfolders for the files the program reads; the other files found there are passed over and counted as "
        "not audio (see \\fB\\-\\-copy\\-other\\fR).\n"
        ".PP\n"
        "Each file gets one line on standard output, in the order given: the source path, a TAB and the outcome "
        "(the target's name, or why it failed). TAB, newline and backslash in either are written as \\et, "
        "\\en and \\e\\e. A summary goes to standard error at the end unless \\fB\\-q\\fR is given.\n"
        ".SH OPTIONS\n";
    for (const OptionRow& row : OptionTable()) {
        if (row.help.empty()) continue;
        page += ".TP\n\\fB" + (row.shortName ? Roff(row.shortName) + "\\fR, \\fB" : std::string()) +
                Roff(row.longName) + "\\fR" + (row.valueName ? " \\fI" + Roff(row.valueName) + "\\fR" : "") + "\n" +
                Roff(JoinLines(row.help)) + "\n";
    }
    page +=
        ".SH EXIT STATUS\n"
        ".TP\n0\nEvery file converted, or was skipped by the rule \\fBskip\\fR.\n"
        ".TP\n1\nA file failed, or the report could not be written.\n"
        ".TP\n2\nA usage error.\n"
        ".TP\n130, 143\nInterrupted (SIGINT) or terminated (SIGTERM); the files finished so far are complete.\n"
        ".SH EXAMPLES\n"
        ".nf\n"
        "tonewright\\-cli \\-f mp3 \\-o ~/phone \\-\\-keep\\-tree \\-\\-copy\\-other ~/Music/flac\n"
        "tonewright\\-cli \\-f ogg \\-o out \\-\\-name\\-pattern '%albumartist|artist%/%album%/%track:2% %title%' in\n"
        "find in \\-name '*.flac' \\-print0 | tonewright\\-cli \\-f mp3 \\-o out \\-\\-files\\-from \\-\n"
        "tonewright\\-cli \\-f mp3 \\-o /shared/out \\-\\-if\\-exists skip \\-\\-shard 2/4 /shared/in\n"
        ".fi\n"
        ".SH FILES\n"
        "$XDG_CONFIG_HOME/Quellbrook/Tonecraft.conf holds the stored options the desktop program and "
        "\\fB\\-\\-save\\fR write.\n"
        ".SH SEE ALSO\n"
        "The help pages installed with the program (command\\-line.html) and docs/CLUSTER.md for many machines.\n";
    return page;
}

}  // namespace tonewright
