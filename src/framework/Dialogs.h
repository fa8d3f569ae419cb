#pragma once
// The open-file dialog component.
#include <string>

#include "framework/Classes.h"

class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;
    const TPublishedClass* Published() const override;
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    // With this off (the default) a confirmed choice leaves the current folder at the file's folder.
    bool RestoreCurrentFolder() const { return FRestoreCurrentFolder; }
    void SetRestoreCurrentFolder(bool Value) { FRestoreCurrentFolder = Value; }
    // Runs the dialog modally through the application's back end; true when the user confirmed,
    // and FileName is then the chosen full name.
    bool Execute();

private:
    std::string FFilter;
    std::string FInitialDir;
    std::string FTitle;
    std::string FFileName;
    bool FRestoreCurrentFolder{false};
};
