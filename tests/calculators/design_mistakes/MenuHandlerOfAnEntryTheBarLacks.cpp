// Must not compile with DESIGN_MISTAKE: a menu handler names "M_Brix", an entry that the
// shared menu bar lacks, so no choice would ever reach it. Without it the handler names
// the bar's "M_BRIX", and it compiles.
#include "shell/menubar/MenuHandlerRow.h"

bool showBrixTool(fw::Application&) { return false; }

#ifdef DESIGN_MISTAKE
using Handlers = MenuHandlerRow<"M_Brix", &showBrixTool>;
#else
using Handlers = MenuHandlerRow<"M_BRIX", &showBrixTool>;
#endif

void Register() { MenuHandlerTable<Handlers>(); }
