// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The walk a person makes through the built page (web/dist/), in Debian's Chromium: no browser download.
import { defineConfig } from '@playwright/test';

const port = Number(process.env.QUORVANE_WEB_TEST_PORT ?? 8766);

export default defineConfig({
  testDir: 'tests/e2e',
  outputDir: '../build/artifacts/web/test-results',
  fullyParallel: false,
  workers: 1,
  retries: 0,
  // Each test is a whole walk with several accessibility scans; beside busy tests a scan alone can take
  // many seconds on two cores.
  timeout: 120_000,
  reporter: [['list']],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    launchOptions: {
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-quic'],
    },
    viewport: { width: 1024, height: 768 },
    locale: 'en-US',
  },
  webServer: {
    command: `python3 -m http.server ${port} --bind 127.0.0.1 --directory dist`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    timeout: 20_000,
  },
});
