#include "startup/Module1.h"

#include "startup/password_file.h"

namespace chelan::Module1 {

StartupOutcome Main(Services& services, LoginWindow& login, std::string& storedpass) {
  const std::wstring folder = services.ProgramFolder();

  // The stored name must be exactly the lower-case name, even though the lookup ignores case.
  if (services.StoredFileName(PasswordLookupPath(folder)) != kPasswordFileName) {
    services.ShowMessage(nullptr, kMissingFileText, kPromptTitle, MessageIcon::Question);
    return StartupOutcome::EndProgram;
  }

  // A file that is there but cannot be read must not open the program with a wrong password. One
  // that does not open is most likely held by another program, which the user can close; only
  // its content can be damaged.
  const std::optional<std::string> bytes = services.ReadFileBytes(PasswordReadPath(folder), kPasswordReadLimit);
  if (!bytes) {
    services.ShowMessage(nullptr, kUnreadableFileText, kPromptTitle, MessageIcon::Exclamation);
    return StartupOutcome::EndProgram;
  }
  const std::optional<std::string> password = ReadStoredPassword(*bytes);
  if (!password) {
    services.ShowMessage(nullptr, kDamagedFileText, kPromptTitle, MessageIcon::Exclamation);
    return StartupOutcome::EndProgram;
  }
  storedpass = *password;

  for (int attempt = 1;; ++attempt) {
    login.ShowModal();
    if (login.GrzbpassBytes() == storedpass) return StartupOutcome::ShowPage1;
    services.ShowMessage(nullptr, kWrongPasswordText, kPromptTitle, MessageIcon::Exclamation);
    if (attempt == kAttempts) {
      services.ShowMessage(nullptr, kDeniedText, kDeniedTitle, MessageIcon::Exclamation);
      return StartupOutcome::EndProgram;
    }
  }
}

}  // namespace chelan::Module1
