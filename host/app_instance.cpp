// The module's one application object, constructed when the host loads the DLL.
#include "host/fax_app.h"

CFaxDlgApp theApp;
