#pragma once
// Where the program and the user's files live on a freedesktop system. The environment is read
// at every call, so a test that points HOME or the XDG variables at a temporary folder sees its
// own locations.
#include <filesystem>

namespace dv {

/// The running executable (/proc/self/exe); empty when the kernel does not say.
std::filesystem::path programFile();
/// The folder that holds the program file, or the folder given to `setProgramFolder`.
std::filesystem::path programFolder();
/// Makes `programFolder` answer `folder` from now on (the empty path restores the real one):
/// for tests, and for running from a folder other than the executable's.
void setProgramFolder(const std::filesystem::path& folder);

/// True when the current user may create files in `folder`.
bool isWritableFolder(const std::filesystem::path& folder);
bool isProgramFolderWritable();

/// $HOME, or the home folder of the user's account when HOME is unset.
std::filesystem::path homeFolder();
/// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::filesystem::path configHome();
/// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::filesystem::path dataHome();
/// XDG_DOCUMENTS_DIR from the user-dirs.dirs file in the config home ("$HOME" expanded), else
/// ~/Documents.
std::filesystem::path documentsFolder();
/// The folder of the desktop's autostart entries: the config home + "autostart".
std::filesystem::path autostartFolder();

/// The program's read-only resources (templates, file types, sounds, images): the program's
/// folder when it is writable (a build tree or a portable copy), else the install prefix's
/// share/dayvault.
std::filesystem::path resourceFolder();
/// The folder for files the program itself writes beside its resources (logs): the program's
/// folder when it is writable, else the data home + Quellmark/Dayvault. Not created here.
std::filesystem::path writableDataFolder();

}  // namespace dv
