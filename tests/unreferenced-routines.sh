# The library routines nothing in the effect calls, and the messages only
# they contain: the macOS bundle keeps them, the .aex must not. Sourced by
# the binary checks.
unreferenced_routines="AEFX_AcquireSuite AEFX_ReleaseSuite AEFX_AcquireDrawbotSuites AEFX_ReleaseDrawbotSuites"
unreferenced_messages="Not able to acquire AEFX Suite.
Not able to release AEFX Suite.
NULL suite pointer passed to AEFX_AcquireDrawbotSuites"
