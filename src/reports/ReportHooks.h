#pragma once
// Connects the screens' print buttons to their documents; start-up calls it once, after the data
// module exists.
namespace reports {

void ligaTelas();

} // namespace reports
