#pragma once

struct TRenderOptions;

// plotvane-render without its process: import, styling, frame, outputs.
// Returns the exit status; messages go to standard error.
int RunRenderCommand(const TRenderOptions& Options);
