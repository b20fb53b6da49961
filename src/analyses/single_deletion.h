// "Single Deletion": every entry of the deletion input deleted on its own; the report lists the
// growth that remains, most damaging first, with the counts of lethal, retarding and redundant
// deletions.
#ifndef VEMO_ANALYSES_SINGLE_DELETION_H_
#define VEMO_ANALYSES_SINGLE_DELETION_H_

#include "model/workbench.h"

namespace vemo {

void single_deletion(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_SINGLE_DELETION_H_
