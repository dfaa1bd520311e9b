# The two commands of the README, plus the steps they are made of.
BUILD ?= build
JOBS ?= 2
SAMPLE_JOB ?= examples/jobs/existing-job.xml

.PHONY: deps configure build test run clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && $(CURDIR)/scripts/with-postgres.sh ctest --output-on-failure -j$(JOBS)

run: build
	@$(BUILD)/app/sensor-script/sensor-script show $(SAMPLE_JOB)

clean:
	@rm -rf $(BUILD)
