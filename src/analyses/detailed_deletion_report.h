// The four-section report of the detailed deletions: capacities relative to the wild type; the
// same with relative shadow prices; shadow prices with scaled shadow prices; and, for each lethal
// deletion, the precursors whose synthesis it blocks.
//
// A value that is not finite (a ratio against a wild-type value of 0) is written "Infinity", the
// word the report already uses for a scaled price without growth.
#ifndef VEMO_ANALYSES_DETAILED_DELETION_REPORT_H_
#define VEMO_ANALYSES_DETAILED_DELETION_REPORT_H_

#include "analyses/detailed_deletion.h"
#include "model/workbench.h"

namespace vemo {

// Opens settings.detailed_deletion_file and writes the report; on give-up nothing is written.
void write_detailed_deletion_report(Workbench& wb, const DetailedDeletionResult& result);

}  // namespace vemo

#endif  // VEMO_ANALYSES_DETAILED_DELETION_REPORT_H_
