# The version users and packages see: major.minor.revision. The project's third number stays 0
# and the revision is the fourth (1.1.0.11 is release 1.1.11).
set(VEXOLAN_RELEASE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK})
