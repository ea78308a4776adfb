#pragma once
// "emergency-test --function | --duration [--group N] PROJECT.prj": the
// staggered test run on the scanned bus, results into the project's logbook.

#include "cli/cli_arguments.h"

class CliSession;

ExitStatus RunEmergencyCommand(CliSession& session);
