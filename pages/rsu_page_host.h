// What a page needs from the window that holds it.
#pragma once

namespace orvane {

class CRSUFuncRemoteSetup;

// The main window as the pages and their editing dialogs see it.
class CRSUPageHost {
  public:
    virtual ~CRSUPageHost() = default;
    // The remote-setup object of the directory shown, or null while none is shown.
    virtual CRSUFuncRemoteSetup* RemoteSetup() = 0;
    // The saved flag: true while the Working copy has been saved to a file since its last change.
    virtual bool IsSaved() const = 0;
    // Every change to the Working copy clears the saved flag.
    virtual void ClearSavedFlag() = 0;
};

}  // namespace orvane
