// orvik-view's document steps shared by every mode: the skin, the built tree, the window.
#pragma once

#include <functional>
#include <string>

#include "platform/user.h"
#include "tools/view/ViewOptions.h"

namespace Orvik {
class CControlUI;
class CWindowHostUI;
}  // namespace Orvik

namespace orvikview {

constexpr int EXIT_VIEW_ERROR = 2;

// Prints "orvik-view: MESSAGE" on standard error; gives EXIT_VIEW_ERROR.
int Fail(const std::string& strMessage);

// Points the skin store at a folder or at a ZIP file (UTF-8 path); false with a message.
bool OpenSkin(const std::string& strSkin, std::string& strError);

// Loads and builds the document; the error names the file and the parser's words.
Orvik::CControlUI* BuildDocument(const ViewOptions& options, Orvik::CWindowHostUI& host,
                                 std::string& strError);

// A hidden popup window whose messages go to host.
HWND CreateViewWindow(Orvik::CWindowHostUI& host);

// Size from --size, else the document's, else the fallback.
void SizeWindow(HWND hWnd, const ViewOptions& options, const Orvik::CWindowHostUI& host);

// The hidden window with the document built, sized and attached to host;
// null with a message (the window gone again) when it cannot be.
HWND OpenDocumentWindow(const ViewOptions& options, Orvik::CWindowHostUI& host,
                        std::string& strError);

// Detaches host from the window and destroys it.
void CloseDocumentWindow(HWND hWnd);

// Lets paint draw into a 32-bit DIB section of the window's client size, then
// writes that as a PNG; false when either fails.
bool SavePaintedPicture(HWND hWnd, const std::function<void(HDC)>& paint,
                        const std::string& strPath);

// --tree to standard output, --out through pfnSave; the exit code.
int WriteResults(const ViewOptions& options, Orvik::CWindowHostUI& host,
                 bool (*pfnSave)(HWND, Orvik::CWindowHostUI&, const std::string&));

}  // namespace orvikview
