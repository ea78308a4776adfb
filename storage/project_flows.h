#pragma once
// The project file flows that need no window: saving the working table after
// reading every gear again, reading a chosen file, and transferring a loaded
// project onto the bus it was made from.

#include "storage/file_flow_context.h"

// "Projekt speichern": only with present gear, and only after the user said
// yes. Online every present gear is read again first, so the file holds what
// the gear hold; offline the records go in as shown. A file that cannot be
// written is reported. The path written, empty when nothing was.
QString SaveProject(FileFlowContext& c);

// The open dialog, then the file into projectTable. The file's path, empty
// when cancelled.
QString ReadChosenProject(FileFlowContext& c);

// Writes the loaded project into the scanned bus: only when the project's
// present addresses are exactly the bus's (otherwise a warning, and nothing
// changes); then the working table takes the project, and after a question
// every gear gets its whole record.
void TransferProject(FileFlowContext& c);
