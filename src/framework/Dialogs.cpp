#include "framework/Dialogs.h"

#include "framework/Forms.h"

bool TOpenDialog::Execute() {
    if (!Application) return false;
    TOpenFileRequest request{FFilter, FInitialDir, FTitle, FFileName, FRestoreCurrentFolder};
    std::string chosen;
    if (!Application->Backend().OpenFileDialog(request, chosen)) return false;
    FFileName = chosen;
    return true;
}
