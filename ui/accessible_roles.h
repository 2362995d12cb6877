#pragma once

namespace teilerwerk {

// Tells assistive technology what the window's own controls are: the window a frame named by its
// title, the "berechnen" label a push button with a press action. Safe to call more than once.
void InstallAccessibleRoles();

}  // namespace teilerwerk
