#include "Journal.h"

#include "SoakSettings.h"

#include <sstream>

namespace soak {

std::string Quoted(std::string_view text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\'')
            out += "\\'";
        else
            out += c;
    }
    return out + "'";
}

void Journal::begin(int sequence)
{
    sequence_ = sequence;
    start_.clear();
    sequenceSteps_.clear();
}

void Journal::note(std::string step)
{
    sequenceSteps_.push_back(std::move(step));
    ++steps_;
}

void Journal::amend(std::string_view outcome)
{
    if (!sequenceSteps_.empty())
        sequenceSteps_.back() += outcome;
}

void Journal::fail(std::string_view what, std::string_view differences) const
{
    std::ostringstream report;
    report << "sequence " << sequence_ << " " << what << ".\nRepeat it with QUILLFEN_SOAK_SEED=" << Seed()
           << " QUILLFEN_SOAK_SEQUENCES=" << sequence_ << ". It started from:\n"
           << start_ << "Steps:\n";
    for (std::size_t k = 0; k < sequenceSteps_.size(); ++k)
        report << "  " << k + 1 << ". " << sequenceSteps_[k] << "\n";
    if (!differences.empty())
        report << "Differences:\n" << differences;
    throw Mismatch { report.str() };
}

} // namespace soak
