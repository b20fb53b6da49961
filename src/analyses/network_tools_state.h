// Settings and results of the network tools (comparison of two networks, connectivity, matrix
// exports, obscured matrix files, pathway evaluation) kept in the Workbench.
#ifndef VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_
#define VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_

namespace vemo {

struct NetworkToolsState {};

}  // namespace vemo

#endif  // VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_
