// Puts the shortcut "Velundo Client" on the user's desktop: it starts Velundo_Client.exe from the
// folder this script lies in, with that folder as its start folder (where its settings file is).
// Run it by double-click (wscript) or as "cscript Desktop-Verknuepfung.js"; no administrator needed.
// The name contains "Client", so the launcher's sweep of old Velundo shortcuts leaves it in place.
var shell = WScript.CreateObject("WScript.Shell");
var files = WScript.CreateObject("Scripting.FileSystemObject");
var folder = files.GetParentFolderName(WScript.ScriptFullName);
var program = files.BuildPath(folder, "Velundo_Client.exe");
if (!files.FileExists(program)) {
    WScript.Echo("Velundo_Client.exe fehlt im Ordner " + folder + ".\n" +
                 "Entpacken Sie das ganze Archiv in einen Ordner und starten Sie das Skript dort.");
    WScript.Quit(1);
}
var desktop = shell.SpecialFolders("Desktop");
var link = shell.CreateShortcut(files.BuildPath(desktop, "Velundo Client.lnk"));
link.TargetPath = program;
link.WorkingDirectory = folder;
link.IconLocation = program + ",0";
link.Description = "Velundo Client";
link.Save();
WScript.Echo("Die Verkn\u00fcpfung \"Velundo Client\" liegt jetzt auf Ihrem Desktop.");
