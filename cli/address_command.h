#pragma once
// "address --new | --add": the addressing assistant's random-address search,
// its progress lines on standard error, Ctrl-C as its Cancel button.

#include "cli/cli_arguments.h"

class CliSession;

ExitStatus RunAddressCommand(CliSession& session);
