#include "core/cuttingstock/CuttingPlanReport.h"

#include "core/cuttingstock/CuttingStockSolver.h"
#include "core/detail/Text.h"

#include <cmath>
#include <map>

namespace cutstock {
namespace {

Tvl_String mm(double v) {
    const double r = std::round(v * 10) / 10;
    return Tvl_String(core_detail::formatC(r == std::floor(r) ? L"%.0f" : L"%.1f", r));
}

Tvl_String percent(double part, double whole) {
    return Tvl_String(core_detail::formatC(L"%.1f", whole > 0 ? 100.0 * part / whole : 0.0));
}

// "2500 + 2 x 900" for the pieces of one pattern (longest first).
Tvl_String cuts(const Problem& p, const CutPattern& pattern) {
    Tvl_String out;
    size_t i = 0;
    while (i < pattern.pieces.size()) {
        size_t j = i;
        while (j < pattern.pieces.size() && pattern.pieces[j] == pattern.pieces[i])
            ++j;
        if (!out.isEmpty())
            out += L" + ";
        if (j - i > 1)
            out += Tvl_String(static_cast<int>(j - i)) + L" x ";
        out += mm(p.pieces[static_cast<size_t>(pattern.pieces[i])].length);
        i = j;
    }
    return out;
}

struct Summary {
    int stockBars = 0;
    int stockAvailable = 0;
    std::map<double, int> bought; // length -> bars
    double boughtLength = 0;
    double usedLength = 0;
    double waste = 0;
    std::map<double, int> uncut; // length -> pieces
};

Summary summarise(const Problem& p, const Plan& plan) {
    Summary s;
    for (const BarType& b : p.bars)
        if (b.onHand && b.count > 0)
            s.stockAvailable += b.count;
    for (const CutPattern& c : plan.patterns) {
        const BarType& b = p.bars[static_cast<size_t>(c.barType)];
        if (b.onHand)
            s.stockBars += c.count;
        else {
            s.bought[b.length] += c.count;
            s.boughtLength += b.length * c.count;
        }
        s.usedLength += b.length * c.count;
        s.waste += c.waste * c.count;
    }
    for (int i : plan.uncut)
        ++s.uncut[p.pieces[static_cast<size_t>(i)].length];
    return s;
}

Tvl_String boundText(const Plan& plan) {
    if (!plan.boundProven)
        return L"no lower bound was proven";
    const double gap = plan.cost - plan.lowerBound;
    return L"the cost is within " + percent(gap, plan.lowerBound) +
           L" % of the linear relaxation's lower bound";
}

bool isTooLong(const Plan& plan, int piece) {
    for (int t : plan.tooLong)
        if (t == piece)
            return true;
    return false;
}

Tvl_String uncutReason(const Problem& p, const Plan& plan, double length) {
    for (size_t i = 0; i < p.pieces.size(); ++i)
        if (p.pieces[i].length == length && isTooLong(plan, static_cast<int>(i)))
            return p.bars.empty() ? L"there is no bar of this profile" : L"longer than every bar";
    return L"not enough bars";
}

Tvl_String html(const Tvl_String& text) {
    Tvl_String out;
    for (wchar_t c : text.str()) {
        switch (c) {
        case L'&':
            out += L"&amp;";
            break;
        case L'<':
            out += L"&lt;";
            break;
        case L'>':
            out += L"&gt;";
            break;
        case L'"':
            out += L"&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

Tvl_StringArray planLines(const JobResult& job) {
    Tvl_StringArray lines;
    lines.append(L"Cutting plan of job \"" + job.jobName + L"\":");
    if (job.errors.length() > 0) {
        lines.append(Tvl_String(L"  The job was not optimised:"));
        for (int i = 0; i < job.errors.length(); ++i)
            lines.append(L"  " + job.errors[i]);
        return lines;
    }
    if (job.problems.empty())
        lines.append(Tvl_String(L"  The job has no pieces."));
    for (size_t k = 0; k < job.problems.size(); ++k) {
        const Problem& p = job.problems[k];
        const Plan& plan = job.plans[k];
        const Summary s = summarise(p, plan);
        lines.append(L"  Profile " + Tvl_String(p.profile) + L" (saw cut " + mm(p.sawCut) +
                     L" mm):");
        for (const CutPattern& c : plan.patterns) {
            const BarType& b = p.bars[static_cast<size_t>(c.barType)];
            lines.append(L"    " + Tvl_String(c.count) + L" x " +
                         (b.onHand ? L"stock bar " : L"bought bar ") + mm(b.length) + L" mm: " +
                         cuts(p, c) + L"; waste " + mm(c.waste) + L" mm each");
        }
        Tvl_String buy;
        for (const auto& [length, n] : s.bought)
            buy += (buy.isEmpty() ? L"" : L", ") + Tvl_String(n) + L" x " + mm(length) + L" mm";
        const Tvl_String stock = s.stockAvailable == 0
                                     ? Tvl_String(L"No stock on hand")
                                     : L"Stock bars used: " + Tvl_String(s.stockBars) + L" of " +
                                           Tvl_String(s.stockAvailable);
        lines.append(
            L"    " + stock + L". To buy: " +
            (buy.isEmpty() ? Tvl_String(L"nothing") : buy + L" (" + mm(s.boughtLength) + L" mm)") +
            L".");
        lines.append(L"    Waste: " + mm(s.waste) + L" mm (" + percent(s.waste, s.usedLength) +
                     L" % of " + mm(s.usedLength) + L" mm); " + boundText(plan) + L".");
        for (const auto& [length, n] : s.uncut)
            lines.append(L"    Not cut: " + Tvl_String(n) + L" x " + mm(length) + L" mm: " +
                         uncutReason(p, plan, length) + L".");
    }
    return lines;
}

Tvl_StringArray planHtml(const JobResult& job) {
    Tvl_StringArray out;
    out.append(L"<!DOCTYPE html>");
    out.append(L"<html><head><meta charset=\"utf-8\"><title>Cutting plan " + html(job.jobName) +
               L"</title>");
    out.append(Tvl_String(L"<style>body{font-family:sans-serif}table{border-collapse:collapse}"
                          L"td,th{border:1px solid #888;padding:2px 6px}"
                          L"td.n{text-align:right}</style></head><body>"));
    out.append(L"<h1>Cutting plan of job &quot;" + html(job.jobName) + L"&quot;</h1>");
    if (job.errors.length() > 0) {
        out.append(Tvl_String(L"<p>The job was not optimised:</p><ul>"));
        for (int i = 0; i < job.errors.length(); ++i)
            out.append(L"<li>" + html(job.errors[i]) + L"</li>");
        out.append(Tvl_String(L"</ul></body></html>"));
        return out;
    }
    for (size_t k = 0; k < job.problems.size(); ++k) {
        const Problem& p = job.problems[k];
        const Plan& plan = job.plans[k];
        const Summary s = summarise(p, plan);
        out.append(L"<h2>Profile " + html(Tvl_String(p.profile)) + L"</h2>");
        out.append(L"<p>Saw cut " + mm(p.sawCut) + L" mm.</p>");
        out.append(Tvl_String(L"<table><tr><th>Bars</th><th>Bar</th><th>Length (mm)</th>"
                              L"<th>Cuts (mm)</th><th>Waste per bar (mm)</th></tr>"));
        for (const CutPattern& c : plan.patterns) {
            const BarType& b = p.bars[static_cast<size_t>(c.barType)];
            out.append(L"<tr><td class=\"n\">" + Tvl_String(c.count) + L"</td><td>" +
                       (b.onHand ? L"stock" : L"bought") + L"</td><td class=\"n\">" + mm(b.length) +
                       L"</td><td>" + cuts(p, c) + L"</td><td class=\"n\">" + mm(c.waste) +
                       L"</td></tr>");
        }
        out.append(Tvl_String(L"</table>"));
        out.append(L"<p>Stock bars used: " + Tvl_String(s.stockBars) + L" of " +
                   Tvl_String(s.stockAvailable) + L".</p>");
        out.append(Tvl_String(L"<p>To buy:</p><ul>"));
        for (const auto& [length, n] : s.bought)
            out.append(L"<li>" + Tvl_String(n) + L" x " + mm(length) + L" mm</li>");
        if (s.bought.empty())
            out.append(Tvl_String(L"<li>nothing</li>"));
        out.append(Tvl_String(L"</ul>"));
        out.append(L"<p>Total waste: " + mm(s.waste) + L" mm (" + percent(s.waste, s.usedLength) +
                   L" %); " + boundText(plan) + L".</p>");
        if (!s.uncut.empty()) {
            out.append(Tvl_String(L"<p>Not cut:</p><ul>"));
            for (const auto& [length, n] : s.uncut)
                out.append(L"<li>" + Tvl_String(n) + L" x " + mm(length) + L" mm: " +
                           uncutReason(p, plan, length) + L"</li>");
            out.append(Tvl_String(L"</ul>"));
        }
    }
    out.append(Tvl_String(L"</body></html>"));
    return out;
}

Tvl_String planFilePath(const Tvl_String& folder, const Tvl_String& jobName) {
    Tvl_String name = jobName.trimmed();
    if (name.isEmpty())
        name = L"job";
    std::wstring safe;
    for (wchar_t c : name.str())
        safe += (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos)
                    ? L'_'
                    : c;
    return folder + L"Plan " + Tvl_String(safe) + L".html";
}

} // namespace cutstock
