// Carries the precompiled Qt headers of the test programs with widgets.
