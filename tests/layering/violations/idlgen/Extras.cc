// Not in the graph.
