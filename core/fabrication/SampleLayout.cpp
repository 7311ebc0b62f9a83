#include "core/fabrication/SampleLayout.h"

#include "core/StringHelpers.h"

#include <cmath>

namespace sample {
namespace {

BmLevelsDlgData startLevels() {
    BmLevelsDlgData l;
    int i = 0;
    l.addLevel(L"Ground", i);
    l.addLevel(L"First", i);
    l.updateLevel(i, 3000.0);
    l.updateLevel(i, Tvl_String(L"Ground"));
    l.addLevel(L"Roof", i);
    l.updateLevel(i, 3500.0);
    l.updateLevel(i, Tvl_String(L"First"));
    return l;
}

std::vector<Member> startMembers() {
    return {{L"C1", L"HEA 200", L"S235", 6500}, {L"C2", L"HEA 200", L"S235", 6500},
            {L"B1", L"IPE 300", L"S355", 5000}, {L"B2", L"IPE 300", L"S355", 5000},
            {L"B3", L"IPE 240", L"S235", 4000}, {L"BR1", L"L 70x7", L"S235", 4200}};
}

DlgCSP2Data startJobs() {
    DlgCSP2Data d;
    d.m_jobIds.append(1);
    d.m_jobNames.append(L"Hall A");
    d.m_jobIds.append(2);
    d.m_jobNames.append(L"Canopy");
    auto row = [](const wchar_t* profile, const wchar_t* length, const wchar_t* count) {
        return Tvl_StringArray{Tvl_String(profile), Tvl_String(length), Tvl_String(count)};
    };
    auto add = [&](int table, int job, Tvl_StringArray r) {
        d.m_tables[table].rows.append(r);
        d.m_tables[table].jobIds.append(job);
    };
    add(DlgCSP2Data::kPieces, 1, row(L"HEA 200", L"2450", L"8"));
    add(DlgCSP2Data::kPieces, 1, row(L"HEA 200", L"1720", L"6"));
    add(DlgCSP2Data::kPieces, 1, row(L"HEA 200", L"980", L"10"));
    add(DlgCSP2Data::kPieces, 1, row(L"IPE 300", L"5000", L"4"));
    add(DlgCSP2Data::kStock, 1, row(L"HEA 200", L"6000", L"3"));
    add(DlgCSP2Data::kPurchase, 1, row(L"HEA 200", L"12000", L""));
    add(DlgCSP2Data::kPurchase, 1, row(L"IPE 300", L"12000", L""));
    add(DlgCSP2Data::kPurchase, 1, row(L"IPE 300", L"6000", L""));
    add(DlgCSP2Data::kPieces, 2, row(L"L 70x7", L"1250", L"12"));
    add(DlgCSP2Data::kPurchase, 2, row(L"L 70x7", L"6000", L""));
    return d;
}

struct State {
    BuildingGrid grid;
    BmLevelsDlgData levels = startLevels();
    std::vector<Member> members = startMembers();
    DlgCSP2Data jobs = startJobs();
};

State& state() {
    static State s;
    return s;
}

} // namespace

BuildingGrid& buildingGrid() {
    return state().grid;
}
BmLevelsDlgData& levels() {
    return state().levels;
}
std::vector<Member>& members() {
    return state().members;
}
DlgCSP2Data& cuttingStockJobs() {
    return state().jobs;
}
void resetLayout() {
    state() = State();
}

Tvl_String nextLabel(const Tvl_String& label) {
    const std::wstring& s = label.str();
    if (s.empty())
        return Tvl_String(L"1");
    size_t digits = s.size();
    while (digits > 0 && s[digits - 1] >= L'0' && s[digits - 1] <= L'9')
        --digits;
    if (digits < s.size()) {
        // A trailing number counts up, keeping its leading zeros' width.
        std::wstring n = s.substr(digits);
        int i = static_cast<int>(n.size()) - 1;
        while (i >= 0 && n[static_cast<size_t>(i)] == L'9')
            n[static_cast<size_t>(i--)] = L'0';
        if (i < 0)
            n.insert(n.begin(), L'1');
        else
            ++n[static_cast<size_t>(i)];
        return Tvl_String(s.substr(0, digits) + n);
    }
    bool letters = true;
    for (wchar_t c : s)
        letters = letters && c >= L'A' && c <= L'Z';
    if (!letters)
        return label + L"1";
    std::wstring n = s;
    int i = static_cast<int>(n.size()) - 1;
    while (i >= 0 && n[static_cast<size_t>(i)] == L'Z')
        n[static_cast<size_t>(i--)] = L'A';
    if (i < 0)
        n.insert(n.begin(), L'A');
    else
        ++n[static_cast<size_t>(i)];
    return Tvl_String(n);
}

bool gridLines(const GridDirection& d, Tvl_StringArray& labels, std::vector<double>& positions,
               Tvl_String& why) {
    labels.clear();
    positions.clear();
    if (d.count < 1 || d.count > 200) {
        why = L"the number of lines " + Tvl_String(d.count) + L" is not between 1 and 200";
        return false;
    }
    std::vector<double> steps;
    Tvl_StringArray words;
    strToArr(d.distance.trimmed(), L" ", words);
    for (int w = 0; w < words.length(); ++w) {
        if (words[w].isEmpty())
            continue;
        Tvl_String times(L"1"), size = words[w], head, rest;
        if (splitStringAtSymbol(words[w], L'*', head, rest)) {
            times = head;
            size = rest;
        }
        int n = 0;
        double step = 0;
        if (!times.toInt(n) || n < 1 || n > 200 || !size.toDouble(step) || !std::isfinite(step) ||
            step <= 0 || step > 100000) {
            why = L"the distance \"" + words[w] + L"\" is not a number of millimetres";
            return false;
        }
        steps.insert(steps.end(), static_cast<size_t>(n), step);
    }
    if (steps.empty() && d.count > 1) {
        why = L"there is no distance";
        return false;
    }
    Tvl_String label = d.label.trimmed().isEmpty() ? Tvl_String(L"1") : d.label.trimmed();
    double at = 0;
    for (int i = 0; i < d.count; ++i) {
        labels.append(label);
        positions.push_back(at);
        // The last distance repeats when there are more lines than distances.
        at += steps.empty() ? 0 : steps[std::min(static_cast<size_t>(i), steps.size() - 1)];
        label = nextLabel(label);
    }
    return true;
}

} // namespace sample
