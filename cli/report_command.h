#pragma once
// "report PROJECT.prj --pdf FILE [--csv FILE] [--offline]": the installation
// report as the window makes it. Online the bus is scanned and every gear
// read, the project giving the names and the header; offline (--offline, or
// no interface attached) the project file alone.

#include "cli/cli_arguments.h"

class CliSession;

ExitStatus RunReportCommand(CliSession& session);
