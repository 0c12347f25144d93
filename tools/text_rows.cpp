#include "text_rows.h"

bool failAtLine(std::string& why, int line, const std::string& reason) {
    why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool addRow(RowBlock& block, const std::string& line, int lineNo, const std::string& unit,
            const std::string& blockName, std::string& why) {
    std::vector<std::string>& rows = block.rows;
    if (rows.empty())
        block.firstLine = lineNo;
    else if (block.firstLine + rows.size() != static_cast<size_t>(lineNo))
        return failAtLine(why, lineNo, "blank line inside " + blockName);
    else if (line.size() != rows.front().size())
        return failAtLine(why, lineNo,
                          "row is " + std::to_string(line.size()) + " " + unit +
                              " wide, the first row is " + std::to_string(rows.front().size()));
    rows.push_back(line);
    return true;
}
