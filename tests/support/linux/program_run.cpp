#include "support/program_run.h"

#include "support/shell_command.h"

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const std::vector<std::pair<std::string, std::string>>& environment,
                      const std::filesystem::path& workingFolder) {
    std::string command = workingFolder.empty() ? "env" : "cd " + ShellQuoted(workingFolder) + " && env";
    for (const auto& [name, value] : environment)
        command += " " + ShellQuotedText(name + "=" + value);
    command += " " + ShellQuotedText(program.string());
    for (const std::string& argument : arguments)
        command += " " + ShellQuotedText(argument);
    const ShellResult shell = RunShell(command + " 2>/dev/null");
    return {shell.status, shell.output};
}
