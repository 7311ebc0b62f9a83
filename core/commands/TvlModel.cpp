// TVLMODEL: lists the sample model: its objects, macros, modules, variables with their
// values and equations, patterns, bolts, arrays, cuts and rules.

#include "core/commands/UserCommands.h"
#include "core/model/SampleModel.h"

namespace {

void runListModel() {
    model::sampleModel().list();
}

const UserCommand kTvlModel{L"TVLMODEL", &runListModel};

} // namespace
