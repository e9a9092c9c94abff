#pragma once

class QWidget;

// What a screen reader is told a control is, for every page at once:
// - a label, panel or picture that a click acts on is a push button, or a link where the
//   form declares the property `link` (the home page); pressing it does what a click does;
// - any other picture is an image, named by what it shows;
// - a picture with the form property `decorative` is left out of what is read;
// - a one-line field reads its whole text, to the last character.
namespace app {

// Installs the accessible interfaces above; once, as the application is set up.
void installAccessibleRoles();

// Marks a control that a click acts on (the click handlers call it).
void actsOnClick(QWidget *widget);

} // namespace app
