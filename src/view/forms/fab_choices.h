#pragma once
// What "Esporta per la produzione..." asks, kept between runs in the section
// "Produzione": the outline's layer, the mask's growth and the stroke, as the
// user typed them; the archive's name is asked each time.
#include "doc/fab/fab_package.h"
#include "doc/nets/design_rules.h"
#include "view/program/profile_store.h"

#include <array>
#include <string>

// The rules' defaults in millimetres, as the dialog first shows them.
std::array<std::string, RULE_LENGTH_COUNT> DefaultFabRules();

struct CFabChoices {
    int nOutlineLayer = -1; // -1: none, the box around the copper and the silkscreen
    std::string strMaskExpansion = "0";
    std::string strStroke = "0.15";
    std::string strArchive;
    // The design rules in millimetres: track, clearance, drill, ring, hole
    // to hole, edge.
    std::array<std::string, RULE_LENGTH_COUNT> strRules = DefaultFabRules();
};
// The rule's name as the dialog labels it, without "&" and unit.
const char* FabRuleName(int nRule);

// A layer outside -1..15 comes back as none; lengths stay as typed.
CFabChoices LoadFabChoices(IProfileStore& store);
void SaveFabChoices(const CFabChoices& c, IProfileStore& store);

// The options the choices stand for, or the message that refuses them.
std::string ReadFabChoices(const CFabChoices& c, int nMicronsPerUnit, CFabOptions& o);
// The rules, checked against the choices' outline layer.
std::string ReadFabRules(const CFabChoices& c, int nMicronsPerUnit, CDesignRules& rules);

// The archive beside the drawing, named after it; a drawing never saved
// gets its title in `folder`.
std::string DefaultFabArchive(const std::string& docPath, const std::string& title,
                              const std::string& folder);
