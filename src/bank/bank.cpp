#include "bank/bank.h"

namespace fm {

void Bank_Action() {}  // not built yet

}  // namespace fm
