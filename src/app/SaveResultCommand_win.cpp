#include "app/MainWindow_win.h"

// Saving the product list as a named snapshot comes with the snapshot files.
void TfrmPLUX::actionSaveResultExecute() {}
