// orvik-view's event script: one command a line, read whole before anything runs.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace orvikview {

enum class ScriptOp { Move, Down, Up, Click, DoubleClick, RightDown, Wheel, Key, Char, Wait, Shot };

struct ScriptCommand {
    ScriptOp op = ScriptOp::Move;
    int x = 0;
    int y = 0;
    int nValue = 0;       // wheel delta, virtual key or milliseconds
    std::string strText;  // char text or shot file
};

// False with "LINE N: why" in strError on the first malformed line. Empty
// lines and lines starting with '#' are skipped.
bool ParseScript(std::FILE* pFile, std::vector<ScriptCommand>& commands, std::string& strError);

// The virtual key of a name such as TAB, RETURN, F5 or A; 0 when unknown.
int VirtualKeyOf(const std::string& strName);

}  // namespace orvikview
