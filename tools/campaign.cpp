#include "campaign.h"

#include <cctype>
#include <sstream>

namespace {

bool fail(std::string& why, int line, const std::string& reason) {
    why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool plainName(const std::string& name) {
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.'))
            return false;
    return !name.empty() && name[0] != '.';
}

} // namespace

bool parseCampaignList(const std::string& text, std::vector<std::string>& floorFiles,
                       std::string& why) {
    floorFiles.clear();
    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        std::istringstream in(line);
        std::string name, extra;
        if (!(in >> name) || name[0] == '#')
            continue;
        if (in >> extra && extra[0] != '#')
            return fail(why, lineNo, "one floor file per line");
        if (!plainName(name))
            return fail(why, lineNo, "'" + name + "' is not a plain file name");
        floorFiles.push_back(name);
    }
    if (floorFiles.empty())
        return fail(why, lineNo, "the campaign lists no floor");
    return true;
}

std::string mapFileName(const std::string& floorFile) {
    const size_t dot = floorFile.rfind('.');
    return (dot == std::string::npos ? floorFile : floorFile.substr(0, dot)) + ".map";
}

std::string missionMapPath(const std::string& mapFile) {
    std::string path = ".//";
    for (char c : std::string(MISSIONS_DIR) + "/" + mapFile) {
        path += c;
        if (c == '/')
            path += '/';
    }
    return path;
}

std::string missionListText(const std::vector<TextFloor>& floors) {
    std::ostringstream out;
    out << floors.size() << "\n";
    for (const TextFloor& f : floors)
        out << f.label << " " << f.plan.mapPath << "\n"
            << "units " << f.plan.unitCount << "\n"
            << "squad " << f.plan.squadSize << "\n"
            << "medkits " << f.plan.medkitCount << "\n";
    return out.str();
}
