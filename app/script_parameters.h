#pragma once
// The values of the %NAME% parameters the built-in documents define.
#include <string>

#include "app/installer_state.h"
#include "app/script_inputs.h"

struct ScriptInputs {
    const ScriptPaths& paths;
    const InstallerState& state;
    const ScriptConditions& conditions;
    const ScriptContext& context;
};

// The value of one parameter by its name (LANGUAGE, INST_PATH, ...).
std::wstring ScriptParameterValue(const ScriptInputs& inputs, const std::string& name);
