// Control positions from orvik-view --tree, so clicks follow the skin instead of fixed numbers.
#include "SkinGeometry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "LauncherProcess.h"

namespace x11test {

namespace {

std::string Tree(const std::string& skinDir, const std::string& document, int width, int height) {
    std::string command = std::string("env -u DISPLAY '") + ORVIK_VIEW_PATH + "' '" + skinDir +
                          "' '" + document + "' --tree";
    if (width > 0 && height > 0)
        command += " --size " + std::to_string(width) + "," + std::to_string(height);
    FILE* pipe = popen(command.c_str(), "r");
    std::string tree;
    char line[512];
    while (pipe != nullptr && fgets(line, sizeof line, pipe) != nullptr)
        tree += line;
    if (pipe != nullptr)
        pclose(pipe);
    return tree;
}

}  // namespace

Bounds ControlBounds(const std::string& skinDir, const std::string& document,
                     const std::string& name, int width, int height) {
    std::string tree = Tree(skinDir, document, width, height);
    Bounds bounds;
    size_t at = tree.find("name=\"" + name + "\" pos=");
    if (at != std::string::npos)
        std::sscanf(tree.c_str() + tree.find("pos=", at), "pos=%d,%d,%d,%d", &bounds.left,
                    &bounds.top, &bounds.right, &bounds.bottom);
    return bounds;
}

bool PatchedSkin(const std::string& skinDir, const std::string& dir, const std::string& document,
                 const std::string& before, const std::string& after) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(dir, error);
    for (const fs::directory_entry& entry : fs::directory_iterator(skinDir, error)) {
        fs::path target = fs::path(dir) / entry.path().filename();
        if (entry.path().filename() != document && !fs::exists(target))
            fs::create_symlink(entry.path(), target, error);
    }
    std::string text = ReadFile(skinDir + "/" + document);
    size_t at = text.find(before);
    if (at == std::string::npos)
        return false;
    text.replace(at, before.size(), after);
    // Never write through a link into the real skin.
    fs::remove(fs::path(dir) / document, error);
    std::ofstream(dir + "/" + document, std::ios::binary) << text;
    return true;
}

}  // namespace x11test
