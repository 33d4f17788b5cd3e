#pragma once
// The velka-cli commands: one table of name, usage and handler.

#include "command_line.h"

#include <span>
#include <string>
#include <vector>

namespace velka::cli {

struct Command {
    const char* name;
    const char* usage;  // after "velka-cli NAME"
    const char* summary;
    OptionSpec options;
    int (*run)(const Arguments& arguments, Context& context);
    // The command converts temperatures: it does not start without usable reference tables.
    bool usesReferenceTables;
};

std::span<const Command> Commands();

int RunDecode(const Arguments& arguments, Context& context);
int RunApplySettings(const Arguments& arguments, Context& context);
int RunSynth(const Arguments& arguments, Context& context);
int RunRead(const Arguments& arguments, Context& context);
int RunErase(const Arguments& arguments, Context& context);
int RunWriteSettings(const Arguments& arguments, Context& context);
int RunWatch(const Arguments& arguments, Context& context);
int RunExport(const Arguments& arguments, Context& context);
int RunScan(const Arguments& arguments, Context& context);
int RunAnalyse(const Arguments& arguments, Context& context);
int RunVerify(const Arguments& arguments, Context& context);
int RunSign(const Arguments& arguments, Context& context);
int RunCentral(const Arguments& arguments, Context& context);

}  // namespace velka::cli
