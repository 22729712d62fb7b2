#pragma once
// Puts every class prototype back to its start-up values.
void ResetPrototypes();
