#include "platform/host/PickQueue.h"

#include "platform/base/Encoding.h"
#include "platform/host/AcEd.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Printf.h"
#include "platform/ui/Application.h"

#include <cstdlib>

namespace host {

PickQueue& picks() {
    static PickQueue* queue = new PickQueue;
    return *queue;
}

std::optional<std::optional<PickPoint>> PickQueue::takePoint() {
    ++m_asked;
    if (m_points.empty())
        return std::nullopt;
    auto answer = m_points.front();
    m_points.pop_front();
    return answer;
}

std::optional<std::optional<std::vector<AcDbObjectId>>> PickQueue::takeEntities() {
    ++m_asked;
    if (m_entities.empty())
        return std::nullopt;
    auto answer = std::move(m_entities.front());
    m_entities.pop_front();
    return answer;
}

} // namespace host

namespace {

void showPrompt(const ACHAR* prompt) {
    if (prompt && *prompt)
        host::commandLine().write(prompt);
}

void unanswered(const char* what, const ACHAR* prompt) {
    std::string message = std::string("unanswered pick in the drawing (") + what + ")";
    if (prompt && *prompt)
        message += ": " + base::toUtf8(prompt);
    ui::app().reportFailure(message);
    host::commandLine().write(L"*Cancel*\n");
}

// A point typed at the prompt: "x,y", "x,y,z" or the same with blanks. Nullopt (outer)
// at the end of input, nullopt (inner) for a cancel.
std::optional<std::optional<host::PickPoint>> typedPoint(const ACHAR* prompt) {
    const auto& read = host::picks().promptReader();
    for (;;) {
        if (!prompt || !*prompt)
            host::commandLine().write(L"Specify point: ");
        std::optional<std::string> line = read();
        if (!line)
            return std::nullopt;
        std::string text = *line;
        for (char& c : text)
            if (c == ',' || c == '\t' || c == '\r')
                c = ' ';
        if (text.find_first_not_of(' ') == std::string::npos || text == "cancel")
            return std::optional<host::PickPoint>();
        host::PickPoint p;
        int n = 0;
        const char* at = text.c_str();
        char* end = nullptr;
        bool bad = false;
        while (*at) {
            while (*at == ' ')
                ++at;
            if (!*at)
                break;
            const double v = std::strtod(at, &end);
            if (end == at || n == 3) {
                bad = true;
                break;
            }
            p.xyz[static_cast<size_t>(n++)] = v;
            at = end;
        }
        if (!bad && n >= 2)
            return std::optional<host::PickPoint>(p);
        host::commandLine().write(L"Invalid point: give x,y or x,y,z.\n");
        prompt = nullptr;
    }
}

} // namespace

int acedGetPoint(const ads_point /*base*/, const ACHAR* prompt, ads_point result) {
    showPrompt(prompt);
    auto answer = host::picks().takePoint();
    if (!answer && host::picks().promptReader())
        answer = typedPoint(prompt);
    if (!answer) {
        unanswered("point", prompt);
        return RTCAN;
    }
    if (!*answer) {
        host::commandLine().write(L"*Cancel*\n");
        return RTCAN;
    }
    const auto& p = (*answer)->xyz;
    if (result) {
        result[0] = p[0];
        result[1] = p[1];
        result[2] = p[2];
    }
    host::commandLine().write(host::formatPrintfV(L"%g,%g,%g\n", p[0], p[1], p[2]));
    return RTNORM;
}

int acedEntSel(const ACHAR* prompt, AcDbObjectId& entity, ads_point pickPoint) {
    showPrompt(prompt);
    auto answer = host::picks().takeEntities();
    if (!answer) {
        unanswered("entity", prompt);
        return RTCAN;
    }
    if (!*answer || (*answer)->empty()) {
        host::commandLine().write(L"*Cancel*\n");
        return RTCAN;
    }
    entity = (*answer)->front();
    if (pickPoint)
        pickPoint[0] = pickPoint[1] = pickPoint[2] = 0.0;
    host::commandLine().write(L"1 found\n");
    return RTNORM;
}

int acedSSGetIds(const ACHAR* prompt, AcArray<AcDbObjectId>& ids) {
    showPrompt(prompt);
    auto answer = host::picks().takeEntities();
    if (!answer) {
        unanswered("selection", prompt);
        return RTCAN;
    }
    if (!*answer) {
        host::commandLine().write(L"*Cancel*\n");
        return RTCAN;
    }
    for (const auto& id : **answer)
        ids.append(id);
    host::commandLine().write(
        host::formatPrintfV(L"%d found\n", static_cast<int>((*answer)->size())));
    return RTNORM;
}
