#pragma once
// The project file flows that need no window: saving the working table after
// reading every gear again, reading a chosen file, and transferring a loaded
// project onto the bus it was made from.

#include "storage/file_flow_context.h"

// "Projekt speichern": only with present gear, and only after the user said
// yes. Online every present gear is read again first, so the file holds what
// the gear hold; what a gear did not answer is saved as unread, and the user
// is told which gear. Offline the records go in as shown. A file that cannot
// be written is reported. The path written, empty when nothing was.
QString SaveProject(FileFlowContext& c);

// The open dialog: the chosen project file's path, empty when cancelled.
QString ChooseProjectFile(FileFlowContext& c);
// The file into projectTable, projectHeader and floorPlans; plan lines that
// could not stand are counted in one message.
void ReadOpenedProject(FileFlowContext& c, const QString& path);

// The gear the bus and the loaded project share take the project's names
// and placing dates (a placing Kelvane knows already stays). Nothing is sent.
void AdoptProjectNames(DeviceStore& store);

// Writes the loaded project into the scanned bus. Names are the project's:
// the gear the bus and the project share take its names first. The rest
// only when the project's present addresses are exactly the bus's (otherwise
// a warning, and nothing else changes); then the working table takes the
// project (OntoGear), and after a question every gear gets its whole record.
enum class TransferOutcome { AddressesDiffer, NotConfirmed, Sent };
TransferOutcome TransferProject(FileFlowContext& c);
