#pragma once
// The commands of kelvane-cli, each a thin front on the window's job.

#include "cli/cli_arguments.h"

class CliSession;

// Runs the session's command; what it prints goes to standard output, its
// complaints and progress to standard error.
ExitStatus RunCommand(CliSession& session);
