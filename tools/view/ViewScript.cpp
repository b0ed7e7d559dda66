// Parses orvik-view's event script into commands, naming the line of the first mistake.
#include "tools/view/ViewScript.h"

#include <cstdlib>
#include <sstream>

#include "platform/user.h"

namespace orvikview {

namespace {

struct OpName {
    const char* pstrName;
    ScriptOp op;
    int nNumbers;  // numbers after the name; -1: one text argument
};

const OpName OPS[] = {
    {"move", ScriptOp::Move, 2},
    {"down", ScriptOp::Down, 2},
    {"up", ScriptOp::Up, 2},
    {"click", ScriptOp::Click, 2},
    {"dblclick", ScriptOp::DoubleClick, 2},
    {"rdown", ScriptOp::RightDown, 2},
    {"wheel", ScriptOp::Wheel, 3},
    {"wait", ScriptOp::Wait, 1},
    {"key", ScriptOp::Key, -1},
    {"char", ScriptOp::Char, -1},
    {"shot", ScriptOp::Shot, -1},
};

struct KeyName {
    const char* pstrName;
    int vk;
};

const KeyName KEYS[] = {
    {"TAB", VK_TAB},     {"RETURN", VK_RETURN},   {"ENTER", VK_RETURN},  {"ESCAPE", VK_ESCAPE},
    {"SPACE", VK_SPACE}, {"BACK", VK_BACK},       {"DELETE", VK_DELETE}, {"INSERT", VK_INSERT},
    {"LEFT", VK_LEFT},   {"RIGHT", VK_RIGHT},     {"UP", VK_UP},         {"DOWN", VK_DOWN},
    {"HOME", VK_HOME},   {"END", VK_END},         {"PRIOR", VK_PRIOR},   {"NEXT", VK_NEXT},
    {"SHIFT", VK_SHIFT}, {"CONTROL", VK_CONTROL}, {"MENU", VK_MENU},
};

bool ReadInt(std::istringstream& in, int& n) {
    std::string strWord;
    if (!(in >> strWord))
        return false;
    char* pEnd = nullptr;
    long value = std::strtol(strWord.c_str(), &pEnd, 10);
    if (*pEnd != '\0' || value < -1000000 || value > 1000000)
        return false;
    n = static_cast<int>(value);
    return true;
}

// The numbers of a command into x, y and the value, in that order.
bool ReadNumbers(std::istringstream& in, int nCount, ScriptCommand& command) {
    int* fields[] = {&command.x, &command.y, &command.nValue};
    if (nCount == 1)
        return ReadInt(in, command.nValue);
    for (int i = 0; i < nCount; ++i)
        if (!ReadInt(in, *fields[i]))
            return false;
    return true;
}

bool ParseLine(const std::string& strLine, ScriptCommand& command, std::string& strWhy) {
    std::istringstream in(strLine);
    std::string strName;
    in >> strName;
    for (const OpName& op : OPS) {
        if (strName != op.pstrName)
            continue;
        command.op = op.op;
        if (op.nNumbers < 0) {
            std::getline(in >> std::ws, command.strText);
            if (command.strText.empty()) {
                strWhy = strName + " needs an argument";
                return false;
            }
            if (op.op == ScriptOp::Key && (command.nValue = VirtualKeyOf(command.strText)) == 0) {
                strWhy = "unknown key '" + command.strText + "'";
                return false;
            }
            return true;
        }
        std::string strRest;
        if (!ReadNumbers(in, op.nNumbers, command) || (in >> strRest)) {
            strWhy = strName + " wants " + std::to_string(op.nNumbers) + " whole numbers";
            return false;
        }
        if (op.op == ScriptOp::Wait && command.nValue < 0) {
            strWhy = "wait wants a duration of 0 ms or more";
            return false;
        }
        return true;
    }
    strWhy = "unknown command '" + strName + "'";
    return false;
}

}  // namespace

int VirtualKeyOf(const std::string& strName) {
    for (const KeyName& key : KEYS)
        if (strName == key.pstrName)
            return key.vk;
    if (strName.size() == 1 &&
        ((strName[0] >= 'A' && strName[0] <= 'Z') || (strName[0] >= '0' && strName[0] <= '9')))
        return strName[0];
    if (strName.size() >= 2 && strName[0] == 'F') {
        int n = std::atoi(strName.c_str() + 1);
        if (n >= 1 && n <= 12 && std::to_string(n) == strName.substr(1))
            return VK_F1 + n - 1;
    }
    return 0;
}

bool ParseScript(std::FILE* pFile, std::vector<ScriptCommand>& commands, std::string& strError) {
    std::string strLine;
    int nLine = 0;
    int ch = 0;
    while (ch != EOF) {
        strLine.clear();
        while ((ch = std::fgetc(pFile)) != EOF && ch != '\n')
            strLine += static_cast<char>(ch);
        ++nLine;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        size_t first = strLine.find_first_not_of(" \t");
        if (first == std::string::npos || strLine[first] == '#')
            continue;
        ScriptCommand command;
        std::string strWhy;
        if (!ParseLine(strLine.substr(first), command, strWhy)) {
            strError = "line " + std::to_string(nLine) + ": " + strWhy;
            return false;
        }
        commands.push_back(command);
    }
    return true;
}

}  // namespace orvikview
