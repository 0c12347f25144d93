// A block of equal rows in a text file, one row a line: a picture's pixels, a
// floor's map. Blank lines may follow the block but not split it.
#pragma once

#include <string>
#include <vector>

struct RowBlock {
    std::vector<std::string> rows;
    int firstLine = 0; // the file's line of rows[0]
};

// Puts "line N: reason" in why and returns false.
bool failAtLine(std::string& why, int line, const std::string& reason);

// Takes line lineNo, not blank, as the block's next row. False with the reason
// in why when a blank line split the block or the row is not as wide as the
// first; unit names what a row is made of ("pixels"), blockName the block.
bool addRow(RowBlock& block, const std::string& line, int lineNo, const std::string& unit,
            const std::string& blockName, std::string& why);
