// The start-up update gate and its default actions.
#include "app/update/UpdateGate.h"

#include <cstdlib>
#include <mutex>

#include "app/lines/PtLine.h"
#include "app/msgbox/MessageBox.h"
#include "app/testing/LauncherSeam.h"
#include "app/update/DataManager.h"
#include "platform/shell.h"

namespace {

const char PROMPT_TITLE[] = "Lumora-升级提示";

// No window exists yet, so the box has no owner.
int DefaultPrompt(const std::string& strText, const std::string& strTitle) {
    return CMessageBox::ShowMessage(nullptr, strText.c_str(), strTitle.c_str(), MSGBOX_OK);
}
// A failure to start the browser is not reported: the process ends either way.
void DefaultOpenUrl(const std::string& strUrl) {
    ShellExecuteA(nullptr, nullptr, strUrl.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
void DefaultExit(int nCode) {
    std::exit(nCode);
}

// "检测到新版本[%s]，当前版本[%s]， 请点击确定下载使用新版！" filled in.
std::string FormatPrompt(const std::string& strNew, const std::string& strCur) {
    return "检测到新版本[" + strNew + "]，当前版本[" + strCur + "]， 请点击确定下载使用新版！";
}

// What the gate does besides checking.
struct UpdateGateActions {
    int (*pfnPrompt)(const std::string& strText, const std::string& strTitle) = DefaultPrompt;
    void (*pfnOpenUrl)(const std::string& strUrl) = DefaultOpenUrl;
    void (*pfnExit)(int nCode) = DefaultExit;
    std::string strManifestUrl;  // empty: the built-in update server
};

UpdateGateActions& Actions() {
    static UpdateGateActions actions;
    return actions;
}

}  // namespace

void seam::SetUpdatePrompt(int (*pfnPrompt)(const std::string&, const std::string&)) {
    Actions().pfnPrompt = pfnPrompt != nullptr ? pfnPrompt : DefaultPrompt;
}
void seam::SetUpdateOpener(void (*pfnOpenUrl)(const std::string&)) {
    Actions().pfnOpenUrl = pfnOpenUrl != nullptr ? pfnOpenUrl : DefaultOpenUrl;
}
void seam::SetUpdateExit(void (*pfnExit)(int)) {
    Actions().pfnExit = pfnExit != nullptr ? pfnExit : DefaultExit;
}
void seam::SetUpdateManifestUrl(const std::string& strUrl) {
    Actions().strManifestUrl = strUrl;
}
void seam::ResetUpdateGate() {
    Actions() = UpdateGateActions();
}

UpdateAnswer AskForUpdate() {
    UpdateAnswer answer;
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        if (g_lstPtLine.empty())
            return answer;
    }
    std::string strPath;
    const UpdateGateActions& actions = Actions();
    CDataManager manager =
        actions.strManifestUrl.empty() ? CDataManager() : CDataManager(actions.strManifestUrl);
    answer.bNewer = manager.CheckUpdate(answer.strCur, answer.strNew, strPath);
    return answer;
}

void ActOnUpdateAnswer(const UpdateAnswer& answer) {
    if (!answer.bNewer)
        return;
    const UpdateGateActions& actions = Actions();
    if (actions.pfnPrompt(FormatPrompt(answer.strNew, answer.strCur), PROMPT_TITLE) == 1) {
        actions.pfnOpenUrl(CDataManager::DefaultDownloadUrl());
    }
    actions.pfnExit(0);
}

void CheckUpdateAtStart() {
    ActOnUpdateAnswer(AskForUpdate());
}
